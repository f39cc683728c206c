#pragma once

#include "Command.h"

#include "report/FileSystem.h"

namespace selen::cli {

// `normalize FILE [-o OUT] [--force]`: reads a report and writes it back as
// the editor would save it, atomically, keeping the file it replaces as the
// backup. A report whose reading would lose text is listed and refused
// unless --force is given.
class NormalizeCommand final : public Command {
public:
    explicit NormalizeCommand(FileSystem& fs) : fs_(fs) {}
    std::string_view name() const override { return "normalize"; }
    std::string_view usage() const override { return "normalize [--force] FILE [-o OUT]"; }
    std::string_view summary() const override
    {
        return "rewrite a report as the editor saves it (CP932, CR LF); refuse when text would be lost, unless --force";
    }
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    FileSystem& fs_;
};

}  // namespace selen::cli
