// What the main job asks of the main dialog, as a person would fill it in: the drawings (a list of files
// or one folder), where the results go and in which version, packing, the kinds to protect, the copyright
// notes and the grid, and the answers to the dialog's questions. Written as "key = value" lines (a file)
// or key=value words (the command line). The command line is read after the job files, and a later value
// replaces an earlier one ("kinds" and "kind-mask" replace each other), except that every "source" adds
// one more drawing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cadhost::app {

struct JobDescription {
    bool folderMode = false;
    std::vector<std::wstring> sources;
    std::wstring output;
    std::optional<std::wstring> saveType; // "keep" or a release year such as "2010"
    std::optional<bool> keepTree;
    std::optional<bool> pack;
    std::optional<std::wstring> archiveType;

    std::optional<std::vector<std::wstring>> kinds; // names as kindNames() lists them
    std::optional<std::uint32_t> kindMask;
    std::optional<std::wstring> preset;

    std::optional<std::wstring> owner;
    std::optional<std::wstring> user;
    std::optional<std::wstring> extra;
    // Stamp and plot switches of the notes, by key ("owner-stamp", "date-plot", ...).
    std::vector<std::pair<std::wstring, bool>> noteFlags;
    std::optional<int> rows;
    std::optional<int> columns;

    bool createOutputFolder = true;
    bool overwriteExisting = false;
    bool applyToAll = true;
    // After the batch, compare every protected drawing with its source.
    bool verify = false;

    // One "key = value" setting; false with a message for an unknown key or a bad value.
    bool set(const std::wstring& key, const std::wstring& value, std::wstring& message);
    // Every line of the text, as one source: within it a key may not contradict itself, nor may both
    // "kinds" and "kind-mask" appear. Blank lines and lines starting with "#" are skipped.
    bool read(const std::wstring& text, std::wstring& message);
    // The key=value words of the command line, as one source.
    bool readWords(const std::vector<std::wstring>& words, std::wstring& message);
    // What a job must say before it can run.
    bool complete(std::wstring& message) const;
};

// The kind names in the order of their switches (bit 0 first).
const std::vector<std::wstring>& kindNames();
// The stamp and plot keys of the notes.
const std::vector<std::wstring>& noteFlagKeys();

} // namespace cadhost::app
