#include "HelpOnDemand.h"

#include "DataPaths.h"
#include "HelpFrame.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace tavrix {

namespace {

QString CannotLoad(const QString& moduleFile, const QString& problem) {
    if (!QFileInfo(moduleFile).isFile())
        return QCoreApplication::translate("tavrix::Help", "The help viewer \"%1\" cannot be found.")
            .arg(moduleFile);
    return QCoreApplication::translate("tavrix::Help", "The help viewer \"%1\" cannot be loaded: %2")
        .arg(moduleFile, problem);
}

} // namespace

std::function<void(HelpView)> HelpViewerFromModule(const DataPaths& paths, QWidget& owner) {
    return [moduleFile = paths.helpModule(), helpFolder = paths.helpFolder(), &owner](HelpView view) {
        // Stays loaded once loaded: the window it makes lives as long as `owner`.
        QLibrary module(moduleFile);
        if (const auto show = reinterpret_cast<ShowHelpFunction>(module.resolve(ShowHelpSymbol))) {
            show(owner, helpFolder, view);
            return;
        }
        auto* frame = owner.findChild<HelpFrame*>(QString(), Qt::FindDirectChildrenOnly);
        if (frame == nullptr) {
            frame = new HelpFrame(&owner);
            frame->showNoHelp(CannotLoad(moduleFile, module.errorString()));
        }
        frame->showView(view);
    };
}

} // namespace tavrix
