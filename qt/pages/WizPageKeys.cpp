#include "WizPageKeys.h"

#include "PasswordCallback.h"
#include "submit/SubmitSignedRequest.h"

#include <QCoreApplication>
#include <QLayout>
#include <QListWidget>
#include <QMessageBox>

namespace {

const int kHandleRole = Qt::UserRole;

} // namespace

CWizPageKeys::CWizPageKeys()
    : CertificatePageLogic(*this, *this, PasswordCallback), m_listCerts(new QListWidget(this)) {
    AddText("The following tQSL Certificates were found on this computer:");
    layout()->addWidget(m_listCerts);
    AddText("Select the certificate you wish to use for Corvalen authentication, then click Next.");
    m_listCerts->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listCerts->setSortingEnabled(true);
}

void CWizPageKeys::initializePage() {
    Initialise();
}

void CWizPageKeys::OnSetActive() {
    PostWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
}

bool CWizPageKeys::validatePage() {
    return OnNext();
}

void CWizPageKeys::RemoveAll() {
    m_listCerts->clear();
}

int CWizPageKeys::Add(const char* text) {
    auto* item = new QListWidgetItem(QString::fromLocal8Bit(text));
    m_listCerts->addItem(item);
    return m_listCerts->row(item);
}

void CWizPageKeys::SetHandle(int index, void* handle) {
    m_listCerts->item(index)->setData(kHandleRole, QVariant::fromValue(handle));
}

void* CWizPageKeys::Handle(int index) {
    return m_listCerts->item(index)->data(kHandleRole).value<void*>();
}

void CWizPageKeys::Select(int index) {
    m_listCerts->setCurrentRow(index);
}

int CWizPageKeys::Selected() {
    const QList<QListWidgetItem*> selected = m_listCerts->selectedItems();
    return selected.isEmpty() ? -1 : m_listCerts->row(selected.first());
}

void CWizPageKeys::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    QString::fromLocal8Bit(text.data(), static_cast<int>(text.size())),
                    QMessageBox::Ok, wizard());
    box.exec();
}

bool CWizPageKeys::SubmitSignedRequest(const char* certText, const char* record,
                                       const char* signatureText, std::string& reason) {
    return ::SubmitSignedRequest(certText, record, signatureText, reason);
}
