#include "Command.h"
#include "ReportTool.h"

#include "report/PosixFileSystem.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    selen::ignoreFileSizeSignal();
    try {
        selen::PosixFileSystem fs;
        std::vector<std::string> args(argv + 1, argv + argc);
        return selen::cli::runReportTool(args, fs, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "selen-report: " << e.what() << '\n';
        return selen::cli::kExitFailure;
    }
}
