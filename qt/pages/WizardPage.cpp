#include "WizardPage.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMetaObject>
#include <QPointer>
#include <QVBoxLayout>
#include <QWizard>

void CWizardPage::PostWizardButtons(int flags) {
    QPointer<QWizard> sheet = wizard();
    QMetaObject::invokeMethod(
        sheet,
        [sheet, flags] {
            sheet->button(QWizard::BackButton)->setEnabled(flags & PSWIZB_BACK);
            sheet->button(QWizard::NextButton)->setEnabled(flags & PSWIZB_NEXT);
            sheet->button(QWizard::FinishButton)->setEnabled(flags & PSWIZB_FINISH);
        },
        Qt::QueuedConnection);
}

QLabel* CWizardPage::AddText(const char* text) {
    if (!layout())
        setLayout(new QVBoxLayout);
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setWordWrap(true);
    layout()->addWidget(label);
    return label;
}
