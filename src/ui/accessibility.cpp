#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QWidget>

namespace velmor::ui {
namespace {

constexpr char kKind[] = "velmorAccessibleKind";
constexpr char kFieldsPanel[] = "fields panel";
constexpr char kPartOfField[] = "part of field";
constexpr char kRadioGroup[] = "radio group";
constexpr char kLink[] = "link";

bool isKind(const QObject* object, const char* kind) {
    return object != nullptr && object->property(kKind).toString() == QLatin1String(kind);
}

// A widget whose children may include parts of fields: those are left out.
class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(QWidget* widget, QAccessible::Role role = QAccessible::Client)
        : QAccessibleWidget(widget, role) {}

    int childCount() const override { return static_cast<int>(readable().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = readable();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == nullptr
                   ? -1
                   : static_cast<int>(readable().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> readable() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child != nullptr && !child->isWindow() && !isKind(child, kPartOfField)) {
                children.append(child);
            }
        }
        return children;
    }
};

// A checkable option box that behaves as one of a group of radio buttons.
class RadioAccessible : public QAccessibleWidget {
public:
    explicit RadioAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {
        addControllingSignal(QStringLiteral("toggled(bool)"));
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction() && button()->isEnabled()) button()->click();
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A label that opens an address when activated, by mouse or keyboard.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return widget()->property("text").toString();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* velmorAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (isKind(widget, kRadioGroup)) return new PanelAccessible(widget, QAccessible::Grouping);
    if (isKind(widget, kLink)) return new LinkAccessible(widget);
    if (isKind(widget->parentWidget(), kRadioGroup)) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return new RadioAccessible(button);
    }
    if (isKind(widget, kFieldsPanel)) return new PanelAccessible(widget);
    return nullptr;
}

void mark(QWidget& widget, const char* kind) {
    static const bool installed = [] {
        QAccessible::installFactory(velmorAccessible);
        return true;
    }();
    (void)installed;
    widget.setProperty(kKind, QString::fromLatin1(kind));
}

}  // namespace

void markAsFieldsPanel(QWidget& panel) {
    mark(panel, kFieldsPanel);
}

void markAsPartOfField(QWidget& label) {
    mark(label, kPartOfField);
}

void markAsRadioGroup(QWidget& group) {
    mark(group, kRadioGroup);
}

void markAsLink(QWidget& label) {
    mark(label, kLink);
}

}  // namespace velmor::ui
