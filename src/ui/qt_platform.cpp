#include "ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStandardPaths>

#include "shell/settings_file.h"
#include "ui/qt_convert.h"
#include "ui/translations.h"

namespace velmor::ui {
namespace {

// The formats the clipboard's owner offers, not the text itself.
// A text that Velmor itself put there is known to be empty or not; another
// program's is not fetched to find out.
bool askOffersText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard->mimeData();
    return data != nullptr && data->hasText() &&
           (!clipboard->ownsClipboard() || !data->text().isEmpty());
}

}  // namespace

QtPlatform::QtPlatform(std::filesystem::path programFolder)
    : openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      programFolder_(std::move(programFolder)) {
    // Learnt once at each change of the clipboard: an owner that is slow to
    // answer holds Velmor up then, not at every key.
    clipboardWatch_ =
        QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                         QGuiApplication::clipboard(), [this] { offersText_ = askOffersText(); });
}

QtPlatform::~QtPlatform() {
    QObject::disconnect(clipboardWatch_);
}

RegionalMarks QtPlatform::regionalMarks() const {
    const QLocale locale = QLocale::system();
    const bool groups = !locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) &&
                        !locale.groupSeparator().isEmpty();
    return {core(locale.decimalPoint()), groups ? core(locale.groupSeparator()) : u""};
}

bool QtPlatform::clipboardOffersText() const {
    if (!offersText_) offersText_ = askOffersText();
    return *offersText_;
}

std::optional<std::u16string> QtPlatform::clipboardText() const {
    // Asked for its text straight away, an X11 clipboard that nobody owns
    // answers at once; hasText() would first list every format the machine
    // can read, loading each image plugin.
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isNull()) return std::nullopt;
    return core(text);
}

void QtPlatform::setClipboardText(const std::u16string& text) {
    QGuiApplication::clipboard()->setText(qt(text));
}

void QtPlatform::seedRandomFromClock() {
    // Milliseconds into the day by the universal clock: the local time would
    // load the time zone database for no better seed.
    constexpr qint64 kDay = 24 * 60 * 60 * 1000;
    random_.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() % kDay));
}

void QtPlatform::endProgram() {
    QCoreApplication::quit();
}

std::filesystem::path QtPlatform::userConfigFolder() const {
    // Qt's test mode keeps tests away from the user's own folder.
    if (QStandardPaths::isTestModeEnabled()) {
        return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdU16String();
    }
    // Qt would take relative values as they stand, and answer a folder at
    // the file system's root without either.
    return userConfigFolderFor(qgetenv("XDG_CONFIG_HOME").toStdString(),
                               qgetenv("HOME").toStdString());
}

bool QtPlatform::folderWritable(const std::filesystem::path& folder) const {
    const QFileInfo info(QString::fromStdU16String(folder.u16string()));
    return info.isDir() && info.isWritable();
}

Rect QtPlatform::windowFrame() const {
    if (mainWindow == nullptr) return {};
    return twips(mainWindow->frameGeometry());
}

// A top-level widget's position is its frame's top-left corner, both ways.
void QtPlatform::moveWindow(int left, int top) {
    if (mainWindow != nullptr) mainWindow->move(pixels(left), pixels(top));
}

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool QtPlatform::placesWindows() const {
    return !onWayland();
}

std::vector<Rect> QtPlatform::screenAreas() const {
    std::vector<Rect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.push_back(twips(screen->availableGeometry()));
    return areas;
}

void QtPlatform::showOptionsDialog() {
    if (onShowOptions) onShowOptions();
}

void QtPlatform::showAboutBox() {
    if (onShowAbout) onShowAbout();
}

bool QtPlatform::shellOpen(const std::u16string& target) {
    const QString text = qt(target);
    const QUrl url = text.contains(QStringLiteral("://")) ? QUrl(text) : QUrl::fromLocalFile(text);
    return openUrl && openUrl(url);
}

namespace {

// The message in the user's language, its details filled in at once, so
// that a "%2" in a path stays as it is.
QString inWords(const UserMessage& message) {
    const QString text = translated(message.text);
    const auto& details = message.details;
    switch (details.size()) {
        case 0:
            return text;
        case 1:
            return text.arg(qt(details[0]));
        default:
            return text.arg(qt(details[0]), qt(details[1]));
    }
}

}  // namespace

// Over the window the user works in: a dialog that is open, else the main
// window.
void QtPlatform::tellUser(const UserMessage& message) {
    QWidget* over = QApplication::activeModalWidget();
    if (over == nullptr) over = mainWindow;
    QMessageBox::warning(over, QStringLiteral("Velmor"), inWords(message));
}

void QtPlatform::reportQuietly(const UserMessage& message) {
    qWarning().noquote() << "velmor:" << inWords(message);
}

std::vector<std::string> QtPlatform::uiLanguages() const {
    std::vector<std::string> languages;
    for (const QString& language : QLocale().uiLanguages())
        languages.push_back(language.toStdString());
    return languages;
}

// The installed data beside the program (PREFIX/share/velmor for a program
// in PREFIX/bin), then the desktop's data folders.
std::vector<std::filesystem::path> QtPlatform::dataFolders() const {
    std::vector<std::filesystem::path> folders{programFolder_.parent_path() / "share" / "velmor"};
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::AppDataLocation)) {
        folders.emplace_back(folder.toStdU16String());
    }
    return folders;
}

}  // namespace velmor::ui
