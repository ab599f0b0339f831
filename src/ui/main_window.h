#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QToolButton>

#include <array>
#include <span>

#include "shell/fm_main.h"
#include "ui/background_widget.h"
#include "ui/entry_box_widget.h"
#include "ui/field_widgets.h"
#include "ui/pictures.h"

namespace velmor::ui {

// Velmor's main window: real widgets at the places the models give. Every
// event goes to FmMain's handlers; after each one, sync() copies every
// model into its widget. No behaviour lives here.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(FmMain& form);

    void sync();

    // For tests and the view's own wiring.
    EntryBoxWidget* entryBox() const { return entry_; }
    PressableLabel* numberLabel(int field) const {
        return numbers_[static_cast<std::size_t>(field)];
    }
    PressableLabel* decimalsLabel(int field) const {
        return decimals_[static_cast<std::size_t>(field)];
    }
    PressableLabel* unitLabel(int field) const { return units_[static_cast<std::size_t>(field)]; }
    BackgroundWidget* background() const { return background_; }
    QToolButton* digitBox(int index) const { return digitBoxes_[static_cast<std::size_t>(index)]; }
    QToolButton* roundingBox(int index) const {
        return roundingBoxes_[static_cast<std::size_t>(index)];
    }
    QWidget* banner() const { return banner_; }
    QLabel* bannerText() const { return bannerText_; }
    QAction* menuAction(const QString& caption) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeMenu();
    void makeFields(QWidget* client);
    void makeOptionBoxes(QWidget* client);
    QWidget* makeOptionGroup(QWidget* client, std::span<const CheckBox> boxes, const QString& name);
    QToolButton* makeOptionBox(QWidget* group, const CheckBox& model, const Picture& picture);
    void syncAccessibleNames();

    FmMain& form_;
    BackgroundWidget* background_ = nullptr;
    std::array<PressableLabel*, kFieldCount> numbers_{};
    std::array<PressableLabel*, kFieldCount> decimals_{};
    std::array<PressableLabel*, kFieldCount> units_{};
    std::array<QToolButton*, FmMain::kDigitBoxes> digitBoxes_{};
    std::array<QToolButton*, FmMain::kRoundingBoxes> roundingBoxes_{};
    QLabel* decimalHeading_ = nullptr;
    QLabel* binaryHeading_ = nullptr;
    QWidget* banner_ = nullptr;
    QLabel* bannerText_ = nullptr;
    EntryBoxWidget* entry_ = nullptr;
    QTimer flagTimer_;
    bool framed_ = false;
    std::vector<std::pair<QAction*, MenuItem*>> actions_;
};

}  // namespace velmor::ui
