// The entry of the help viewer's module (see HelpOnDemand.h), the one name
// it shows the program.
#include "HelpOnDemand.h"
#include "HelpWindow.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT void TavrixShowHelp(QWidget& owner, const QString& helpFolder,
                                             tavrix::HelpView view) {
    tavrix::ShowHelpWindow(owner, helpFolder + '/' + tavrix::HelpCollectionFile, view);
}

static_assert(std::is_same_v<decltype(&TavrixShowHelp), tavrix::ShowHelpFunction>);
