// The supplier's web links and the branded-version document: both are handed
// to the desktop, and a desktop that cannot open them is reported.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QObject;
class QWidget;

namespace tavrix {

class DataPaths;
class Desktop;

inline const QString BrandedVersionDocument = QStringLiteral("TavrixBrandedVersion.pdf");

// The address as the browser needs it: a host name without scheme gets https.
QUrl WebAddressUrl(const QString& address);

// Opens `address` in the browser, or says (later, once the desktop has
// answered, and only while `window`, which asked, is there) that no browser
// could show it.
void OpenWebAddress(Desktop& desktop, QObject& window, const QString& address);

// Opens the branded-version document from the help folder, or says that no
// PDF reader could show it: none set up, or the document missing.
void OpenBrandedVersionDocument(Desktop& desktop, QObject& window, const DataPaths& paths);

// Calls `handler` whenever any mouse button goes down on `widget`: pictures
// and labels have no click signal of their own.
void OnMouseDown(QWidget& widget, std::function<void()> handler);

} // namespace tavrix
