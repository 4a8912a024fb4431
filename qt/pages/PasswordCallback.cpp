#include "PasswordCallback.h"

#include "DlgPassword.h"
#include "core/PasswordCopy.h"

int PasswordCallback(char* buffer, int size, void*) {
    // A buffer without room for the terminator cannot take any password.
    if (size < 1)
        return -1;
    CDlgPassword dialog(nullptr);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    return HandPasswordToLibrary(confirmed, dialog.m_strPassword, buffer, size);
}
