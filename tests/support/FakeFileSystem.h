#pragma once

// An in-memory file system for tests: files held in a map, and a predicate
// that decides, per call, whether a write, rename or remove fails. A failing
// write leaves half of its bytes behind, as a full disk does; a path in
// `unreadable` is there but cannot be read.

#include "report/FileSystem.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace selen::test {

class FakeFileSystem final : public FileSystem {
public:
    // op is "write", "rename" or "remove"; `to` is the path written, removed or renamed to.
    struct Call { std::string op, from, to; };

    std::map<std::string, std::string> files;
    std::vector<Call> calls;
    std::set<std::string> unreadable;
    std::function<bool(const Call&)> fails = [](const Call&) { return false; };

    bool exists(const std::string& path) override { return files.count(path) + unreadable.count(path) > 0; }

    FileResult remove(const std::string& path) override
    {
        const bool failing = failed({"remove", "", path}) || files.erase(path) == 0;
        return failing ? FileResult::failure(path + ": cannot remove") : FileResult::success();
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
        const bool failing = failed({"write", "", path});
        files[path] = std::string(bytes.substr(0, failing ? bytes.size() / 2 : bytes.size()));
        return failing ? FileResult::failure(path + ": No space left on device") : FileResult::success();
    }

    FileResult readFile(const std::string& path, std::string& bytes) override
    {
        if (unreadable.count(path))
            return FileResult::failure(path + ": Permission denied");
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
