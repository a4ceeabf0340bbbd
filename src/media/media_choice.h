#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vernik {

// The folders a word's media may sit beside; each without a trailing "/" and
// empty when there is none (no path is then built from it).
struct MediaSources {
    std::string lexicon2Folder;
    std::string outputFileFolder;
    std::string listFolder;  // folder of the word list last searched
};

// What the media lookup of one word uses. Folders are chosen even when they
// hold nothing of the word; files are set only when they exist.
struct MediaChoice {
    std::string SoundFolder;
    std::string PictureFolder;
    std::string CommentFolder;
    std::string SoundFile;
    std::string PictureJpgFile;
    std::string PictureBmpFile;
    std::vector<std::string> SeriesFiles;  // 0word.bmp, 1word.bmp, ... up to the first missing
    std::string CommentFile;

    // The picture shown when the lookup ends its display: the first series
    // picture over the ".bmp" over the ".jpg"; empty when there is none.
    const std::string& shownPicture() const;
};

// A CD-track stub (".cda") names a track of a disc and holds no sound itself.
bool isCdTrackStub(std::string_view file);

// The existing file a path names, or nothing. The default matches the file
// name without regard to letter case.
using FindFile = std::function<std::optional<std::filesystem::path>(const std::filesystem::path&)>;

// The sub-folders of a source folder that hold each kind of media.
inline constexpr std::string_view kSoundSubfolder = "ljud";
inline constexpr std::string_view kPictureSubfolder = "bild";
inline constexpr std::string_view kCommentSubfolder = "kom";

// Chooses the folders and files of `word` (Windows-1252 bytes, used letter
// for letter). Sounds: the list folder wins over the output file's folder,
// which wins over Lexicon2's. Pictures: the output file's folder over the
// list folder over Lexicon2's. Comments: the output file's folder over
// Lexicon2's.
MediaChoice chooseMedia(std::string_view word, const MediaSources& sources,
                        const FindFile& findFile = {});

}  // namespace vernik
