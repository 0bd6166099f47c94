// A document's transaction manager, as far as graphics go: modified objects are queued for a graphics
// update, and a flush regenerates what the document shows.
#pragma once

#include "rxobject.h"

class AcApDocument;

class CADHOST_EXPORT AcTransactionManager : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcTransactionManager);
    explicit AcTransactionManager(AcApDocument* document) : m_document(document) {}

    // While disabled, flushGraphics leaves the queue as it is.
    Acad::ErrorStatus enableGraphicsFlush(bool enable);
    void queueForGraphicsFlush();
    // Regenerates the document's display when an update is queued.
    void flushGraphics();
    bool isGraphicsFlushQueued() const { return m_queued; }

private:
    AcApDocument* m_document;
    bool m_enabled = true;
    bool m_queued = false;
};

// The transaction manager of the current document; nothing without documents.
CADHOST_EXPORT AcTransactionManager* actrTransactionManagerPtr();
#define actrTransactionManager actrTransactionManagerPtr()
