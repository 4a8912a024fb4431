#pragma once

#include "pages/WizPageDone.h"
#include "pages/WizPageIntro.h"
#include "pages/WizPageKeys.h"

#include <QWizard>

// The three-page wizard: introduction, certificate list, completion.
class CWizSheet : public QWizard {
  public:
    CWizSheet(const QString& title, QWidget* parent, int firstPage);

  private:
    CWizPageIntro m_pageIntro;
    CWizPageKeys m_pageKeys;
    CWizPageDone m_pageDone;
};
