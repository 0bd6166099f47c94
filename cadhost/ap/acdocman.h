// Documents and the document manager. A document is a drawing file opened in the host: it owns its
// database, can be locked, and is current (its database is the working database) or not.
#pragma once

#include "accmd.h"
#include "dbmain.h"

#include <memory>
#include <vector>

class AcTransactionManager;
struct AcGiRecording;

namespace AcAp {
enum DocLockMode {
    kNone = 0x00,
    kAutoWrite = 0x01,
    kNotLocked = 0x02,
    kWrite = 0x04,
    kProtectedAutoWrite = 0x14,
    kRead = 0x20,
    kXWrite = 0x40
};
} // namespace AcAp

class CADHOST_EXPORT AcApDocument : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcApDocument);
    ~AcApDocument() override;
    AcApDocument(const AcApDocument&) = delete;
    AcApDocument& operator=(const AcApDocument&) = delete;

    // The full path of the drawing file the document was opened from.
    const ACHAR* fileName() const;
    // The window title: the file name without its folder.
    const ACHAR* docTitle() const;
    AcDbDatabase* database() const;
    // The lock taken last and still held; kNotLocked without a lock. Locks nest.
    AcAp::DocLockMode lockMode(bool includeMyLocks = false) const;
    // The same: every lock of this single-threaded host belongs to its one execution context.
    AcAp::DocLockMode myLockMode() const;
    bool isQuiescent() const;
    AcTransactionManager* transactionManager() const;

    // cadhost: the current view of model space (what vsmin and vsmax report). Until a view is set it
    // shows the extents of model space, or the default limits 0,0 to 12,9 while model space is empty.
    void getModelView(AcGePoint3d& viewMin, AcGePoint3d& viewMax) const;
    void setModelView(const AcGePoint3d& viewMin, const AcGePoint3d& viewMax);
    // cadhost: the paper-space layout shown when tilemode is 0; the first layout until one is chosen.
    AcDbObjectId activeLayoutId() const;
    Acad::ErrorStatus setActiveLayout(AcDbObjectId layoutId);
    // cadhost: regenerates what the document shows (model space in its view, or the active layout) into
    // its display; displayed() is the last regeneration, or nothing before the first.
    Acad::ErrorStatus regen();
    const AcGiRecording* displayed() const;

    struct Imp;
    Imp* imp() const { return m_imp.get(); }

private:
    friend class AcApDocManager;
    AcApDocument(const ACHAR* fileName, std::unique_ptr<AcDbDatabase> database);
    std::unique_ptr<Imp> m_imp;
};

// Walks the documents open when it was made, in the order they were opened.
class CADHOST_EXPORT AcApDocumentIterator {
public:
    explicit AcApDocumentIterator(std::vector<AcApDocument*> documents) : m_documents(std::move(documents)) {}
    virtual ~AcApDocumentIterator() = default;
    bool done() const { return m_index >= m_documents.size(); }
    void step() { ++m_index; }
    AcApDocument* document() const { return done() ? nullptr : m_documents[m_index]; }

private:
    std::vector<AcApDocument*> m_documents;
    std::size_t m_index = 0;
};

class CADHOST_EXPORT AcApDocManager : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcApDocManager);
    AcApDocManager();
    ~AcApDocManager() override;
    AcApDocManager(const AcApDocManager&) = delete;
    AcApDocManager& operator=(const AcApDocManager&) = delete;

    // The document whose database is the working database; nothing without documents.
    AcApDocument* curDocument() const;
    // The document the user sees.
    AcApDocument* mdiActiveDocument() const;
    // Running outside any command or inside a session command.
    bool isApplicationContext() const;

    // Opens the drawing file as a new document that becomes current and active. Only in the
    // application context (eInvalidContext otherwise); the drawing file's status when it cannot be read.
    Acad::ErrorStatus appContextOpenDocument(const ACHAR* fileName);
    // Makes the document active and current. eInvalidInput for a document that is not open.
    Acad::ErrorStatus activateDocument(AcApDocument* document, bool passScript = false);
    // Makes the document current, locks it with the mode unless that is kNone, and activates it on request.
    Acad::ErrorStatus setCurDocument(AcApDocument* document, AcAp::DocLockMode lockMode = AcAp::kNone,
                                     bool activate = false);
    Acad::ErrorStatus lockDocument(AcApDocument* document, AcAp::DocLockMode lockMode = AcAp::kWrite,
                                   const ACHAR* globalCommandName = nullptr, const ACHAR* localCommandName = nullptr,
                                   bool prompt = true);
    // eLockViolation when the document holds no lock.
    Acad::ErrorStatus unlockDocument(AcApDocument* document);
    // Closes the document without saving and deletes it with its database. A locked document is not
    // closed (eLockViolation), nor the current document from inside a document command (eInvalidContext).
    Acad::ErrorStatus closeDocument(AcApDocument* document);

    int documentCount() const;
    // The caller deletes the iterator.
    AcApDocumentIterator* newAcApDocumentIterator() const;
    // The open document of the database, or nothing.
    AcApDocument* document(const AcDbDatabase* database) const;
    bool isOpen(const AcApDocument* document) const;

private:
    void makeCurrent(AcApDocument* document);
    std::vector<std::unique_ptr<AcApDocument>> m_documents;
    AcApDocument* m_current = nullptr;
    AcApDocument* m_active = nullptr;
};

CADHOST_EXPORT AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()
#define curDoc() acDocManager->curDocument()
