#include "WizSheet.h"

CWizSheet::CWizSheet(const char* caption, HWND parent, UINT firstPage)
    : CPropertySheet(caption, parent, firstPage) {
    m_psh.dwFlags &= ~PSH_HASHELP;
    AddPage(&m_pageIntro);
    AddPage(&m_pageKeys);
    AddPage(&m_pageDone);
}
