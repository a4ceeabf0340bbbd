#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

// A fresh temporary folder for one test, removed with everything in it at the end.
class TestFolder {
  public:
    TestFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vernik-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
    }
    ~TestFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Writes the file `name` (folders created as needed) with raw bytes.
    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    // Writes the file `name` with each line ended by CR LF.
    std::filesystem::path writeLines(const std::string& name,
                                     std::initializer_list<std::string> lines) const {
        return writeLines(name, std::vector<std::string>(lines));
    }
    std::filesystem::path writeLines(const std::string& name,
                                     const std::vector<std::string>& lines) const {
        return write(name, crlf(lines));
    }

    // The lines, each ended by CR LF.
    static std::string crlf(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const auto& line : lines) bytes += line + "\r\n";
        return bytes;
    }

    static std::string read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Every file of `folder` with its bytes, the lexicon lock file aside.
    static std::map<std::string, std::string> filesIn(const std::filesystem::path& folder) {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.is_regular_file() && entry.path().filename() != ".vernik.lock") {
                files[entry.path().filename().string()] = read(entry.path());
            }
        }
        return files;
    }

    // The names of the entries of `folder`.
    static std::set<std::string> namesIn(const std::filesystem::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

  private:
    std::filesystem::path path_;
};
