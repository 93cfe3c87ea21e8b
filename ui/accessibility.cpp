// SPDX-License-Identifier: MIT
#include "ui/accessibility.h"

#include "ui/about.h"
#include "ui/clickablelabel.h"
#include "ui/colouredframe.h"
#include "ui/visconvertform.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

namespace tarnwick::ui {

namespace {

// A line that opens an address when clicked. It takes no focus, so that the
// windows' tab order stays as designed; assistive technology presses it.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(ClickableLabel* link)
        : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        const QString own = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && own.isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return own;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<ClickableLabel*>(widget())->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// Qt's own interface for a list names it, on Linux, by its selected entry and
// leaves its label to a relation that it finds only among the list's
// siblings; several of ours sit in another parent than their label. This one
// gives the name the window set, the label whose buddy the list is, wherever
// it stands in the window, and the selected entry as the value and as a
// read-only text, where screen readers look for a list's entry.
class AccessibleList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value ||
            (kind == QAccessible::Name && list()->accessibleName().isEmpty()))
            return list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Label) {
            for (QLabel* label : list()->window()->findChildren<QLabel*>())
                if (label->buddy() == list() && label->parentWidget() != list()->parentWidget())
                    found.append(
                        {QAccessible::queryAccessibleInterface(label), QAccessible::Label});
        }
        return found;
    }

    // The entries, as a list for the screen reader to read the selection from.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    void* interface_cast(QAccessible::InterfaceType kind) override {
        if (kind == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(kind);
    }

    // The text interface: the entry, read only.
    QString text(int start, int end) const override {
        return list()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

bool is(const QObject* object, const QMetaObject& kind) {
    return object->metaObject() == &kind;
}

QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    if (is(object, VisConvertForm::staticMetaObject) || is(object, About::staticMetaObject))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (is(object, ColouredFrame::staticMetaObject))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    if (is(object, ClickableLabel::staticMetaObject))
        return new AccessibleLink(static_cast<ClickableLabel*>(object));
    if (is(object, QComboBox::staticMetaObject))
        return new AccessibleList(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    QAccessible::installFactory(interfaceFor);
}

} // namespace tarnwick::ui
