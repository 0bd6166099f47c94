#include "OverwriteAnswer.h"

OverwriteAnswerState OverwriteAnswer;
