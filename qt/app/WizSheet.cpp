#include "WizSheet.h"

#include <QPixmap>

CWizSheet::CWizSheet(const QString& title, QWidget* parent, int firstPage) : QWizard(parent) {
    setWindowTitle(title);
    setWizardStyle(ClassicStyle);
    // Pages initialise on their first showing only, and Back undoes nothing.
    setOption(IndependentPages);
    setPixmap(WatermarkPixmap, QPixmap(QStringLiteral(":/side.bmp")));
    setPage(0, &m_pageIntro);
    setPage(1, &m_pageKeys);
    setPage(2, &m_pageDone);
    setStartId(firstPage);
    connect(this, &QWizard::currentIdChanged, this, [this](int id) {
        if (auto* page = dynamic_cast<CWizardPage*>(this->page(id)))
            page->OnSetActive();
    });
}
