#pragma once

// An in-memory file system for tests: files held in a map, and a predicate
// that decides, per call, whether a write, rename or remove fails. A failing
// write leaves half of its bytes behind, as a full disk does.

#include "report/FileSystem.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace selen::test {

class FakeFileSystem final : public FileSystem {
public:
    struct Call {
        std::string op;  // "write", "rename" or "remove"
        std::string from;
        std::string to;  // the path written, removed or renamed to
    };

    std::map<std::string, std::string> files;
    std::vector<Call> calls;
    std::function<bool(const Call&)> fails = [](const Call&) { return false; };

    bool exists(const std::string& path) override { return files.count(path) > 0; }

    FileResult remove(const std::string& path) override
    {
        if (failed({"remove", "", path}) || files.erase(path) == 0)
            return FileResult::failure(path + ": cannot remove");
        return FileResult::success();
    }

    FileResult rename(const std::string& from, const std::string& to) override
    {
        if (failed({"rename", from, to}) || files.count(from) == 0)
            return FileResult::failure(to + ": cannot rename");
        std::string bytes = std::move(files[from]);
        files.erase(from);
        files[to] = std::move(bytes);
        return FileResult::success();
    }

    FileResult writeFile(const std::string& path, std::string_view bytes) override
    {
        if (failed({"write", "", path})) {
            files[path] = std::string(bytes.substr(0, bytes.size() / 2));
            return FileResult::failure(path + ": No space left on device");
        }
        files[path] = std::string(bytes);
        return FileResult::success();
    }

    FileResult readFile(const std::string& path, std::string& bytes) override
    {
        auto found = files.find(path);
        if (found == files.end())
            return FileResult::failure(path + ": No such file or directory");
        bytes = found->second;
        return FileResult::success();
    }

private:
    bool failed(Call call)
    {
        calls.push_back(std::move(call));
        return fails(calls.back());
    }
};

}  // namespace selen::test
