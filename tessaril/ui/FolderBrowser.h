// The folder browser behind every "..." button of the file pages.
#pragma once

#include "afxwnd.h"

// Asks for a file-system folder with the shell's folder browser, owned by the page. The chosen path, or
// an empty string when the user cancels or chooses something that has no file-system path.
CString browseForFolder(CWnd* owner);
