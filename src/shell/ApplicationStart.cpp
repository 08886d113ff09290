#include "ApplicationStart.h"

#include "MainWindow.h"
#include "StartDialog.h"
#include "document/ShowDocument.h"
#include "platform/widgets/BusyCursor.h"

namespace zyn {

namespace {

int modeOf(StartDialog::Choice choice) {
    return choice == StartDialog::Choice::NewManual ? ManualShow : TimeCodedShow;
}

} // namespace

std::unique_ptr<MainWindow> startApplication(ShowDocument& document) {
    StartDialog dialog(document);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    std::unique_ptr<MainWindow> window;
    {
        const BusyCursor busy;
        window = std::make_unique<MainWindow>(document);
        window->show();
    }
    if (dialog.choice() == StartDialog::Choice::LastProject)
        window->openProject(dialog.lastProject());
    else if (dialog.choice() == StartDialog::Choice::RecoveryCopy)
        window->restoreRecoveryCopy();
    else
        window->startNewShow(modeOf(dialog.choice()));

    MainWindow* main = window.get();
    window->setStartDialogRunner([&document, main] {
        StartDialog again(document, main);
        if (again.exec() == QDialog::Accepted)
            main->startNewShow(modeOf(again.choice()));
    });
    return window;
}

} // namespace zyn
