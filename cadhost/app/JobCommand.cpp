// The script command "job": runs movrel with the job driver in front of its dialogs, and fails unless the
// batch summary says that every drawing was protected.
#include "CompareDrawings.h"
#include "JobDescription.h"
#include "JobUiDriver.h"
#include "ScriptCommand.h"
#include "Session.h"

#include "CommandLine.h"
#include "accmd.h"
#include "codepage.h"
#include "nativepath.h"
#include "process.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

namespace cadhost::app {
namespace {

bool readJobFile(const std::wstring& path, JobDescription& job, std::wstring& message)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) {
        message = L"cannot read the job " + path;
        return false;
    }
    std::stringstream bytes;
    bytes << file.rdbuf();
    if (!job.read(fromUtf8(bytes.str()), message)) {
        message = path + L": " + message;
        return false;
    }
    return true;
}

bool isDrawing(const std::filesystem::path& file)
{
    std::wstring extension = file.extension().wstring();
    std::transform(extension.begin(), extension.end(), extension.begin(), ::towlower);
    return extension == L".dwg";
}

// Each source drawing of the job with the protected copy the batch made of it: in folder mode at its
// place below the result folder (or, without the tree, by its name), else by its name.
std::vector<std::pair<std::filesystem::path, std::filesystem::path>> protectedPairs(const JobDescription& job)
{
    namespace fs = std::filesystem;
    const fs::path output = nativePath(job.output);
    std::vector<std::pair<fs::path, fs::path>> pairs;
    if (!job.folderMode) {
        for (const std::wstring& source : job.sources)
            pairs.emplace_back(nativePath(source), output / nativePath(source).filename());
        return pairs;
    }
    const fs::path root = nativePath(job.sources.front());
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error) || !isDrawing(it->path()) || it->path().string().starts_with(output.string()))
            continue;
        const fs::path kept = output / it->path().lexically_relative(root);
        pairs.emplace_back(it->path(), job.keepTree.value_or(false) ? kept : output / it->path().filename());
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

// One verdict per drawing; true when every protected copy draws like its source.
bool verifyJob(Session& session, const JobDescription& job)
{
    bool alike = true;
    for (const auto& [source, copy] : protectedPairs(job)) {
        if (!std::filesystem::exists(copy)) {
            session.print(widePath(source) + L": no protected copy at " + widePath(copy) + L"\n");
            alike = false;
            continue;
        }
        alike = compareDrawingFiles(session, widePath(source), widePath(copy), CompareOptions()) && alike;
    }
    return alike;
}

bool runJob(Session& session, const std::vector<std::wstring>& arguments)
{
    JobDescription job;
    std::wstring message;
    std::vector<std::wstring> words;
    for (const std::wstring& argument : arguments) {
        if (argument.find(L'=') != std::wstring::npos) {
            words.push_back(argument);
        } else if (!readJobFile(argument, job, message)) {
            session.error(message);
            return false;
        }
    }
    if (!job.readWords(words, message)) {
        session.error(message);
        return false;
    }
    if (!job.complete(message)) {
        session.error(message);
        return false;
    }
    // The file-list page has no packing or subfolders; say so rather than drop the words silently.
    if (!job.folderMode)
        for (const auto& [key, given] :
             {std::pair{L"keep-tree", job.keepTree.has_value()}, std::pair{L"pack", job.pack.has_value()},
              std::pair{L"archive", job.archiveType.has_value()}})
            if (given)
                session.print(L"note: the job key \"" + std::wstring(key) + L"\" is ignored in files mode\n");

    JobUiDriver driver(job, [&session](const std::wstring& text) { session.print(text); });
    {
        const UiDriverScope scope(driver);
        // Progress shows as the files go by; what the update worker prints waits for the next line.
        const std::thread::id mainThread = std::this_thread::get_id();
        const ScopedCommandLineListener progress([&session, mainThread] {
            if (std::this_thread::get_id() == mainThread)
                session.flushCommandLine();
        });
        runCommand(L"movrel");
    }
    // The archiver runs on its own; only its end says whether the archive is there.
    const std::vector<int> started = waitForStartedProcesses();
    if (driver.failure()) {
        session.error(*driver.failure());
        return false;
    }
    if (!driver.summary()) {
        session.error(L"movrel ended without a batch summary");
        return false;
    }
    if (!driver.everyDrawingProtected()) {
        session.error(L"not every drawing was protected");
        return false;
    }
    session.print(L"results: " + job.output + L"\n");
    if (driver.packedArchiveType() && !started.empty()) {
        if (started.back() != 0) {
            session.error(L"the archiver failed with exit status " + std::to_wstring(started.back()));
            return false;
        }
        // Beside the result folder, named after it.
        std::wstring archive = job.output;
        while (archive.size() > 1 && archive.back() == L'/')
            archive.pop_back();
        archive += L"." + *driver.packedArchiveType();
        session.print(L"archive: " + archive + L"\n");
    }
    if (job.verify && !verifyJob(session, job)) {
        session.error(L"not every protected drawing draws like its source");
        return false;
    }
    return true;
}

const ScriptCommandRegistration registration{
    {L"job", L"job [FILE] [KEY=VALUE]...",
     L"run movrel on the job of FILE and KEY=VALUE words (scripts/job.example lists the keys)", runJob}};

} // namespace
} // namespace cadhost::app
