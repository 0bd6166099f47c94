#include "acdocman.h"

#include "AcApDocumentImp.h"

#include "dbapserv.h"
#include "nativepath.h"

#include <algorithm>
#include <filesystem>

ACRX_HOST_DEFINE_MEMBERS(AcApDocManager, AcRxObject, nullptr, ACRX_ABSTRACT)
[[maybe_unused]] static const bool gDocManagerRegistered = (AcApDocManager::rxInit(), true);

namespace {
// The lock a document command holds on the current document while its body runs.
AcAp::DocLockMode commandLockMode(Adesk::Int32 flags)
{
    if ((flags & ACRX_CMD_NOINTERNALLOCK) != 0)
        return AcAp::kNone;
    if ((flags & ACRX_CMD_DOCEXCLUSIVELOCK) != 0)
        return AcAp::kXWrite;
    if ((flags & ACRX_CMD_DOCREADLOCK) != 0)
        return AcAp::kRead;
    return AcAp::kWrite;
}

class ScopedDocumentLock {
public:
    ScopedDocumentLock(AcApDocManager& manager, AcApDocument* document, AcAp::DocLockMode mode)
        : m_manager(manager), m_document(document)
    {
        if (m_document == nullptr || mode == AcAp::kNone || m_manager.lockDocument(m_document, mode) != Acad::eOk)
            m_document = nullptr;
    }
    ScopedDocumentLock(const ScopedDocumentLock&) = delete;
    ScopedDocumentLock& operator=(const ScopedDocumentLock&) = delete;
    ~ScopedDocumentLock()
    {
        if (m_document != nullptr && m_manager.isOpen(m_document))
            m_manager.unlockDocument(m_document);
    }

private:
    AcApDocManager& m_manager;
    AcApDocument* m_document;
};

std::wstring fullPath(const ACHAR* fileName)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(cadhost::nativePath(fileName), error);
    return error ? std::wstring(fileName) : cadhost::widePath(absolute.lexically_normal());
}
} // namespace

AcApDocManager::AcApDocManager()
{
    cadhost::setDocumentCommandHook([this](const AcEdCommand& command, const std::function<void()>& body) {
        ScopedDocumentLock lock(*this, m_current, commandLockMode(command.commandFlags()));
        body();
    });
}

AcApDocManager::~AcApDocManager()
{
    cadhost::setDocumentCommandHook(nullptr);
}

AcApDocument* AcApDocManager::curDocument() const
{
    return m_current;
}

AcApDocument* AcApDocManager::mdiActiveDocument() const
{
    return m_active;
}

bool AcApDocManager::isApplicationContext() const
{
    return cadhost::currentCommandContext() != cadhost::CommandContext::kDocument;
}

Acad::ErrorStatus AcApDocManager::appContextOpenDocument(const ACHAR* fileName)
{
    if (!isApplicationContext())
        return Acad::eInvalidContext;
    if (fileName == nullptr || *fileName == 0)
        return Acad::eInvalidInput;
    auto database = std::make_unique<AcDbDatabase>(false, true);
    const Acad::ErrorStatus status = database->readDwgFile(fileName);
    if (status != Acad::eOk)
        return status;
    auto* document = new AcApDocument(fullPath(fileName).c_str(), std::move(database));
    m_documents.emplace_back(document);
    m_active = document;
    makeCurrent(document);
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::activateDocument(AcApDocument* document, bool)
{
    if (!isOpen(document))
        return Acad::eInvalidInput;
    m_active = document;
    makeCurrent(document);
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::setCurDocument(AcApDocument* document, AcAp::DocLockMode lockMode, bool activate)
{
    if (!isOpen(document))
        return Acad::eInvalidInput;
    makeCurrent(document);
    if (activate)
        m_active = document;
    return lockMode == AcAp::kNone ? Acad::eOk : lockDocument(document, lockMode);
}

Acad::ErrorStatus AcApDocManager::lockDocument(AcApDocument* document, AcAp::DocLockMode lockMode, const ACHAR*,
                                               const ACHAR*, bool)
{
    if (document == nullptr)
        return Acad::eNoDocument;
    if (!isOpen(document) || lockMode == AcAp::kNone || lockMode == AcAp::kNotLocked)
        return Acad::eInvalidInput;
    document->imp()->locks.push_back(lockMode);
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::unlockDocument(AcApDocument* document)
{
    if (document == nullptr)
        return Acad::eNoDocument;
    if (!isOpen(document))
        return Acad::eInvalidInput;
    auto& locks = document->imp()->locks;
    if (locks.empty())
        return Acad::eLockViolation;
    locks.pop_back();
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::closeDocument(AcApDocument* document)
{
    if (!isOpen(document))
        return Acad::eInvalidInput;
    if (document->lockMode() != AcAp::kNotLocked)
        return Acad::eLockViolation;
    if (!isApplicationContext() && document == m_current)
        return Acad::eInvalidContext;
    auto found = std::find_if(m_documents.begin(), m_documents.end(),
                              [document](const std::unique_ptr<AcApDocument>& open) { return open.get() == document; });
    std::unique_ptr<AcApDocument> closing = std::move(*found);
    m_documents.erase(found);
    AcApDocument* next = m_documents.empty() ? nullptr : m_documents.back().get();
    if (m_active == document)
        m_active = next;
    if (m_current == document)
        makeCurrent(m_active != nullptr ? m_active : next);
    if (acdbHostApplicationServices()->workingDatabase() == closing->database())
        acdbHostApplicationServices()->setWorkingDatabase(m_current != nullptr ? m_current->database() : nullptr);
    return Acad::eOk;
}

int AcApDocManager::documentCount() const
{
    return static_cast<int>(m_documents.size());
}

AcApDocumentIterator* AcApDocManager::newAcApDocumentIterator() const
{
    std::vector<AcApDocument*> documents;
    for (const auto& document : m_documents)
        documents.push_back(document.get());
    return new AcApDocumentIterator(std::move(documents));
}

AcApDocument* AcApDocManager::document(const AcDbDatabase* database) const
{
    auto found =
        std::find_if(m_documents.begin(), m_documents.end(), [database](const std::unique_ptr<AcApDocument>& open) {
            return database != nullptr && open->database() == database;
        });
    return found != m_documents.end() ? found->get() : nullptr;
}

bool AcApDocManager::isOpen(const AcApDocument* document) const
{
    return document != nullptr &&
           std::any_of(m_documents.begin(), m_documents.end(),
                       [document](const std::unique_ptr<AcApDocument>& open) { return open.get() == document; });
}

void AcApDocManager::makeCurrent(AcApDocument* document)
{
    m_current = document;
    if (document != nullptr)
        acdbHostApplicationServices()->setWorkingDatabase(document->database());
}

AcApDocManager* acDocManagerPtr()
{
    // Never destroyed: documents may still be open while the process exits.
    static auto* manager = new AcApDocManager();
    return manager;
}
