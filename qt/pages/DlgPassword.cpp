#include "DlgPassword.h"

#include "core/PasswordCopy.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgPassword::CDlgPassword(QWidget* parent)
    : QDialog(parent ? parent : QApplication::activeModalWidget()), m_edit(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Key Password"));
    auto* text =
        new QLabel(QStringLiteral("Please enter the password for your private key:"), this);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    m_edit->setEchoMode(QLineEdit::Password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_edit->setFocus();
}

CDlgPassword::~CDlgPassword() {
    WipeText(m_strPassword);
}

void CDlgPassword::accept() {
    QByteArray typed = m_edit->text().toLocal8Bit();
    WipeText(m_strPassword);
    m_strPassword.assign(typed.constData(), typed.size());
    WipeBytes(typed.data(), typed.size());
    m_edit->clear();
    QDialog::accept();
}
