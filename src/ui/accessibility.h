#pragma once

class QWidget;

namespace velmor::ui {

// What Velmor's widgets are to assistive technology (AT-SPI on Linux), where
// Qt's defaults would mislead:
// * a unit field is one object, its number label, named with the unit and
//   the value as shown; the decimals and unit labels beside it are parts of
//   it, left out of the tree of the panel that holds them
//   (markAsFieldsPanel, markAsPartOfField);
// * the rounding option boxes are radio buttons, each group a grouping
//   (markAsRadioGroup);
// * the About box's address is a link (markAsLink).
// Marking a widget installs Velmor's accessibility factory, once. Mark a
// widget as soon as it is made: Qt makes and keeps a widget's interface at
// the first change the widget reports (its text, its name), and one made
// before the mark stands for the widget ever after.
void markAsFieldsPanel(QWidget& panel);
void markAsPartOfField(QWidget& label);
void markAsRadioGroup(QWidget& group);
void markAsLink(QWidget& label);

}  // namespace velmor::ui
