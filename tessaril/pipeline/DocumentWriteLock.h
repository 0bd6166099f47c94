// The current document locked for writing for as long as the lock object lives. Without a current
// document, or when the host refuses the lock, the work goes on unlocked.
#pragma once

class AcApDocument;

class DocumentWriteLock {
public:
    DocumentWriteLock();
    ~DocumentWriteLock();
    DocumentWriteLock(const DocumentWriteLock&) = delete;
    DocumentWriteLock& operator=(const DocumentWriteLock&) = delete;

    bool isLocked() const { return m_document != nullptr; }

private:
    AcApDocument* m_document = nullptr;
};
