// The last answer to the question whether an existing output drawing is overwritten; it carries from
// file to file within a batch, and the command clears its apply-to-all half before each batch.
#pragma once

struct OverwriteAnswerState {
    bool overwrite = true;
    bool applyToAll = false;
};

extern OverwriteAnswerState OverwriteAnswer;
