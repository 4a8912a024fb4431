#include "OvaldiApp.h"

#include "WizSheet.h"
#include "submit/SubmitHost.h"

#include <QCursor>
#include <QFileInfo>

COvaldiApp::COvaldiApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The running executable's file name without folder and extension; Qt's
    // own default would keep the extension.
    setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
}

bool COvaldiApp::InitInstance() {
    CWizSheet sheet(QStringLiteral("Corvalen Authentication Wizard"), nullptr, 0);
    sheet.exec();
    return false;
}

namespace submit_host {

std::string UserAgent() {
    return QCoreApplication::applicationName().toLocal8Bit().toStdString();
}

void BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace submit_host
