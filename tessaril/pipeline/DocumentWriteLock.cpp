#include "DocumentWriteLock.h"

#include "acdocman.h"

DocumentWriteLock::DocumentWriteLock()
{
    AcApDocument* document = acDocManager->curDocument();
    if (document != nullptr && acDocManager->lockDocument(document, AcAp::kWrite) == Acad::eOk)
        m_document = document;
}

DocumentWriteLock::~DocumentWriteLock()
{
    if (m_document != nullptr)
        acDocManager->unlockDocument(m_document);
}
