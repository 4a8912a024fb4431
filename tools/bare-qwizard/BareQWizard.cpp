// A three-page classic QWizard with one text per page and nothing else: the
// start-to-first-page and memory baseline of the native wizard.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWizard>
#include <QWizardPage>

namespace {

QWizardPage* Page(const char* text) {
    auto* page = new QWizardPage;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QString::fromLatin1(text)));
    return page;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWizard wizard;
    wizard.setWindowTitle(QStringLiteral("Bare QWizard"));
    wizard.setWizardStyle(QWizard::ClassicStyle);
    wizard.addPage(Page("First"));
    wizard.addPage(Page("Second"));
    wizard.addPage(Page("Last"));
    return wizard.exec() == QDialog::Accepted ? 0 : 1;
}
