#include "media/media_choice.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/line_reader.h"

namespace vernik {

namespace {

constexpr std::array<std::string_view, 4> kSoundExtensions = {".wav", ".mid", ".cda", ".mp3"};
constexpr std::string_view kLinkExtension = ".txt";

// A source folder's sub-folder for one kind, or empty when the source is empty.
std::string subfolder(const std::string& source, std::string_view name) {
    if (source.empty()) return {};
    return (fs::path(source) / name).string();
}

// The existing file `name` (UTF-8) directly inside `folder`; nothing when the
// folder is empty or the name could reach outside it.
std::optional<fs::path> findIn(const std::string& folder, const std::string& name,
                               const FindFile& findFile) {
    if (folder.empty()) return std::nullopt;
    const auto path = childPath(folder, name);
    if (!path) return std::nullopt;
    return findFile(*path);
}

std::string found(const std::optional<fs::path>& path) {
    return path ? path->string() : "";
}

bool holdsSound(const std::string& folder, const std::string& word, const FindFile& findFile) {
    if (findIn(folder, word + std::string(kLinkExtension), findFile)) return true;
    return std::any_of(kSoundExtensions.begin(), kSoundExtensions.end(), [&](std::string_view ext) {
        return findIn(folder, word + std::string(ext), findFile).has_value();
    });
}

bool holdsPicture(const std::string& folder, const std::string& word, const FindFile& findFile) {
    return findIn(folder, word + ".jpg", findFile) || findIn(folder, word + ".bmp", findFile) ||
           findIn(folder, "0" + word + ".bmp", findFile);
}

// Text meant as a file name holds no control bytes.
bool isNameText(std::string_view line) {
    return std::none_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

// The link's path, each part of it checked as a name: nothing when a part is
// empty, "." or "..".
std::optional<fs::path> pathOfParts(fs::path path, std::string_view parts) {
    while (true) {
        const std::size_t end = parts.find_first_of("/\\");
        const auto child = childPath(path, parts.substr(0, end));
        if (!child) return std::nullopt;
        path = *child;
        if (end == std::string_view::npos) return path;
        parts.remove_prefix(end + 1);
    }
}

// The sound a link file names in its first line: a full path, or a name
// (which may pass through sub-folders) inside the sound folder.
std::string linkedSound(const fs::path& linkFile, const std::string& soundFolder,
                        const FindFile& findFile) {
    LineReader reader(linkFile);
    std::string line;
    if (!reader.isOpen() || !reader.next(line) || line.empty() || !isNameText(line)) return {};
    const std::string name = utf8FromCp1252(line);
    const bool full = name.front() == '/';
    const auto target = pathOfParts(full ? fs::path("/") : fs::path(soundFolder),
                                    std::string_view(name).substr(full ? 1 : 0));
    if (!target) return {};
    return found(findFile(*target));
}

std::string chooseSoundFile(const std::string& folder, const std::string& word,
                            const FindFile& findFile) {
    for (std::string_view ext : kSoundExtensions) {
        if (auto file = findIn(folder, word + std::string(ext), findFile)) return file->string();
    }
    const auto link = findIn(folder, word + std::string(kLinkExtension), findFile);
    return link ? linkedSound(*link, folder, findFile) : std::string();
}

}  // namespace

bool isCdTrackStub(std::string_view file) {
    constexpr std::string_view kStub = ".cda";
    if (file.size() < kStub.size()) return false;
    const std::string_view end = file.substr(file.size() - kStub.size());
    return std::equal(end.begin(), end.end(), kStub.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

const std::string& MediaChoice::shownPicture() const {
    if (!SeriesFiles.empty()) return SeriesFiles.front();
    return PictureBmpFile.empty() ? PictureJpgFile : PictureBmpFile;
}

MediaChoice chooseMedia(std::string_view word, const MediaSources& sources,
                        const FindFile& findFile) {
    const FindFile find = findFile ? findFile : FindFile(findFileIgnoringCase);
    MediaChoice choice;
    const std::string name = utf8FromCp1252(word);

    choice.SoundFolder = subfolder(sources.lexicon2Folder, kSoundSubfolder);
    choice.PictureFolder = subfolder(sources.lexicon2Folder, kPictureSubfolder);
    choice.CommentFolder = subfolder(sources.lexicon2Folder, kCommentSubfolder);
    if (word.empty()) return choice;

    for (const auto* source : {&sources.outputFileFolder, &sources.listFolder}) {
        const std::string folder = subfolder(*source, kSoundSubfolder);
        if (holdsSound(folder, name, find)) choice.SoundFolder = folder;
    }

    for (const auto* source : {&sources.listFolder, &sources.outputFileFolder}) {
        const std::string folder = subfolder(*source, kPictureSubfolder);
        if (holdsPicture(folder, name, find)) choice.PictureFolder = folder;
    }

    const std::string outputComments = subfolder(sources.outputFileFolder, kCommentSubfolder);
    if (findIn(outputComments, name + ".rtf", find)) choice.CommentFolder = outputComments;

    choice.SoundFile = chooseSoundFile(choice.SoundFolder, name, find);
    choice.PictureJpgFile = found(findIn(choice.PictureFolder, name + ".jpg", find));
    choice.PictureBmpFile = found(findIn(choice.PictureFolder, name + ".bmp", find));
    for (char digit = '0'; digit <= '9'; ++digit) {
        const auto series = findIn(choice.PictureFolder, digit + name + ".bmp", find);
        if (!series) break;
        choice.SeriesFiles.push_back(series->string());
    }
    choice.CommentFile = found(findIn(choice.CommentFolder, name + ".rtf", find));
    return choice;
}

}  // namespace vernik
