#include "actrans.h"

#include "acdocman.h"

Acad::ErrorStatus AcTransactionManager::enableGraphicsFlush(bool enable)
{
    m_enabled = enable;
    return Acad::eOk;
}

void AcTransactionManager::queueForGraphicsFlush()
{
    m_queued = true;
}

void AcTransactionManager::flushGraphics()
{
    if (!m_enabled || !m_queued)
        return;
    m_queued = false;
    m_document->regen();
}

AcTransactionManager* actrTransactionManagerPtr()
{
    AcApDocument* document = acDocManager->curDocument();
    return document != nullptr ? document->transactionManager() : nullptr;
}
