#pragma once

// An in-memory file system for tests: files held in a map, and a predicate
// that decides, per call, whether an operation fails. A failing write leaves
// half of its bytes behind, as a full disk does; a failing create (at its
// write, flush or close) leaves nothing, as the real one cleans up after
// itself. A path in `unreadable` is there but cannot be read; a path in
// `links` is a symbolic link to the path it maps to.

#include "report/FileSystem.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace selen::test {

class FakeFileSystem final : public FileSystem {
public:
    // op is "write", "rename", "remove", "fsync" and "close" (the stages of a
    // create after its "write"), "permissions" or "link"; `to` is the path
    // written, removed, renamed to or asked about.
    struct Call { std::string op, from, to; };

    std::map<std::string, std::string> files;
    std::map<std::string, unsigned> modes;  // permission bits; a file not here has 0644
    std::map<std::string, std::string> links;
    std::vector<Call> calls;
    std::set<std::string> unreadable;
    std::function<bool(const Call&)> fails = [](const Call&) { return false; };

    bool exists(const std::string& path) override
    {
        return files.count(path) + unreadable.count(path) + links.count(path) > 0;
    }

    FileResult remove(const std::string& path) override
    {
        const bool failing = failed({"remove", "", path}) || files.erase(path) + links.erase(path) == 0;
        modes.erase(path);
        return failing ? FileResult::failure(path + ": cannot remove") : FileResult::success();
    }

    FileResult rename(const std::string& from, const std::string& to) override
    {
        if (failed({"rename", from, to}) || files.count(from) == 0)
            return FileResult::failure(to + ": cannot rename");
        std::string bytes = std::move(files[from]);
        files.erase(from);
        files[to] = std::move(bytes);
        modes.erase(to);
        if (auto mode = modes.find(from); mode != modes.end()) {
            modes[to] = mode->second;
            modes.erase(mode);
        }
        return FileResult::success();
    }

    FileResult writeFile(const std::string& path, std::string_view bytes) override
    {
        const bool failing = failed({"write", "", path});
        files[path] = std::string(bytes.substr(0, failing ? bytes.size() / 2 : bytes.size()));
        return failing ? FileResult::failure(path + ": No space left on device") : FileResult::success();
    }

    FileResult createFile(const std::string& path, std::string_view bytes, std::optional<unsigned> permissions) override
    {
        if (exists(path))
            return FileResult::failure(path + ": File exists");
        for (const char* stage : {"write", "fsync", "close"}) {
            if (failed({stage, "", path}))
                return FileResult::failure(path + (stage == std::string_view("write") ? ": No space left on device"
                                                                                      : ": Input/output error"));
        }
        files[path] = std::string(bytes);
        modes[path] = permissions.value_or(0644);
        return FileResult::success();
    }

    FileResult permissions(const std::string& path, unsigned& bits) override
    {
        if (failed({"permissions", "", path}) || files.count(path) == 0)
            return FileResult::failure(path + ": Permission denied");
        auto mode = modes.find(path);
        bits = mode == modes.end() ? 0644 : mode->second;
        return FileResult::success();
    }

    FileResult linkTarget(const std::string& path, std::string& target) override
    {
        if (failed({"link", "", path}))
            return FileResult::failure(path + ": Too many levels of symbolic links");
        target = path;
        for (int hop = 0; hop <= 40; ++hop) {
            auto link = links.find(target);
            if (link == links.end())
                return FileResult::success();
            target = link->second;
        }
        return FileResult::failure(path + ": Too many levels of symbolic links");
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
