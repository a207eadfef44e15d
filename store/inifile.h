#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "store/inidocument.h"

// The settings file on disk. A small reader and writer of our own rather than
// QSettings: QSettings escapes key names such as "Card Back" and matches
// section names with regard to letter case, so it would not keep this format.
//
// Reads are answered from the document in memory, which is read when the
// file is opened, by Reload() and at the start of every Update(). Each
// Update() is one write operation: it takes the file's lock, so copies of the
// program sharing the file take turns, reads the file afresh, and hands that
// to the edit; the edits reach the disk together, through a new file in the
// same folder that replaces the old one in one step, so a crash or a full
// disk never leaves a torn file. When it fails, the file and the document in
// memory stay as they were before it, and SettingsWriteError is thrown.
class TIniFile {
public:
    // A bigger file is not ours: it is neither read nor replaced.
    static constexpr std::uintmax_t MaxFileSize = 16U * 1024U * 1024U;

    // `lockWait`: how long a write waits for another copy to finish its own.
    explicit TIniFile(std::filesystem::path path, std::chrono::milliseconds lockWait = std::chrono::seconds(5));

    const std::filesystem::path& Path() const { return path_; }

    // Missing, unreadable or too big: an empty document. Only a missing file
    // may then be written, so content we could not read is never lost.
    void Reload();

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    // The file as last read: what this copy knew before its own changes.
    const TIniDocument& Document() const { return document_; }

    void Update(const std::function<void(TIniDocument&)>& edit);

private:
    std::filesystem::path path_;
    std::chrono::milliseconds lockWait_;
    TIniDocument document_;
    bool replaceable_ = true;
};
