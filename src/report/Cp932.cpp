#include "Cp932.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <stdexcept>
#include <utility>

namespace selen::cp932 {

bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t charLength(std::string_view text, std::size_t pos)
{
    if (pos + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[pos])))
        return 2;
    return 1;
}

std::size_t safeCutLength(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text.size();
    std::size_t pos = 0;
    while (pos < maxBytes) {
        std::size_t len = charLength(text, pos);
        if (pos + len > maxBytes)
            break;
        pos += len;
    }
    return pos;
}

std::string cutToBytes(std::string_view text, std::size_t maxBytes)
{
    return std::string(text.substr(0, safeCutLength(text, maxBytes)));
}

bool isTrailPosition(std::string_view text, std::size_t pos)
{
    std::size_t at = 0;
    while (at < pos && at < text.size())
        at += charLength(text, at);
    return at > pos;
}

namespace {

// One iconv descriptor per conversion call: iconv keeps shift state, and a
// call is cheap next to a user's keystroke or a file read.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    Conversion run(std::string_view in)
    {
        Conversion result;
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return result;
        std::string out;
        out.resize(in.size() * 2 + 16);
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        while (inLeft > 0) {
            std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            if (rc != static_cast<std::size_t>(-1))
                break;
            if (errno == E2BIG) {
                std::size_t used = out.size() - outLeft;
                out.resize(out.size() * 2);
                outPtr = out.data() + used;
                outLeft = out.size() - used;
                continue;
            }
            result.badOffset = in.size() - inLeft;
            return result;
        }
        out.resize(out.size() - outLeft);
        result.ok = true;
        result.text = std::move(out);
        return result;
    }

private:
    iconv_t cd_;
};

// Characters that users paste from other programs whose CP932 twin has a
// different Unicode code point.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kLookAlikes{{
    {"\u301C", "\uFF5E"},  // wave dash -> full-width tilde
    {"\u2212", "\uFF0D"},  // minus sign -> full-width hyphen-minus
    {"\u2016", "\u2225"},  // double vertical line -> parallel to
    {"\u2014", "\u2015"},  // em dash -> horizontal bar
    {"\u00A2", "\uFFE0"},  // cent sign -> full-width cent
    {"\u00A3", "\uFFE1"},  // pound sign -> full-width pound
}};

std::string replaceLookAlikes(std::string_view utf8)
{
    std::string text(utf8);
    for (const auto& [from, to] : kLookAlikes) {
        std::size_t pos = 0;
        while ((pos = text.find(from, pos)) != std::string::npos) {
            text.replace(pos, from.size(), to);
            pos += to.size();
        }
    }
    return text;
}

// Maps an offset in the look-alike-replaced text back to the caller's text:
// replacements keep the characters before them in place, and every pair has
// the same length in UTF-8 except the two-byte signs, which only grow.
std::size_t offsetInOriginal(std::string_view original, std::size_t replacedOffset)
{
    std::size_t orig = 0;
    std::size_t repl = 0;
    while (orig < original.size() && repl < replacedOffset) {
        std::size_t step = 1;
        std::size_t grown = 1;
        for (const auto& [from, to] : kLookAlikes) {
            if (original.substr(orig, from.size()) == from) {
                step = from.size();
                grown = to.size();
                break;
            }
        }
        orig += step;
        repl += grown;
    }
    return orig;
}

}  // namespace

Conversion fromUtf8(std::string_view utf8)
{
    std::string replaced = replaceLookAlikes(utf8);
    Converter converter("CP932", "UTF-8");
    Conversion result = converter.run(replaced);
    if (!result.ok)
        result.badOffset = offsetInOriginal(utf8, result.badOffset);
    return result;
}

Conversion toUtf8(std::string_view cp932)
{
    Converter converter("UTF-8", "CP932");
    return converter.run(cp932);
}

std::string fixed(std::string_view utf8)
{
    Conversion result = fromUtf8(utf8);
    if (!result.ok)
        throw std::logic_error("fixed text has no CP932 form: " + std::string(utf8));
    return result.text;
}

}  // namespace selen::cp932
