// Closing a processed drawing without saving it, first through the host's automation documents and,
// when the document survives that while another one is open, through the document manager.
#pragma once

class AcApDocument;

void closeProtectedDocument(AcApDocument* document);
