#pragma once
// A button drawn from pictures, standing on QAbstractButton so that its `text`, `checkable` and
// `checked` properties, its keys and its accessibility are Qt's own. It shows Up at rest, Down while
// the mouse holds it with the pointer over it, Hot while the pointer is over it (when it has a Hot
// picture) and Disabled when it cannot be used (when it has a Disabled picture; otherwise a faded Up).
// StayDown is a picture it keeps for the panel's state handlers, which show a button's states by
// giving its Up another of the pictures. Each picture can be taken over from another button. The
// caption (the `text` property) is drawn centred over the picture in its own colour.
//
// A click never flips `checked`: the buttons that toggle are made checkable by their owners, and only
// the panel's state handlers set their state. Space, Return and Enter click the button. A press of
// the mouse takes the keyboard focus before the click runs, so an edit's exit handler runs first.
// Like Qt's own buttons, it draws its focus ring once the keyboard has moved the focus in its window.
//
// Its kind tells screen readers what it is: a command (an on/off button when it is checkable), a radio
// button or a page tab. The arrows move a radio button's focus to the next or previous radio button
// of its group (the radio buttons beside it under the same parent, in their order, not wrapping
// round) and click that one, as the mouse would; on other buttons they move the focus as Qt's do.

#include <QAbstractButton>
#include <QPixmap>

#include "control_data.h"

enum class ButtonKind { Command, Radio, PageTab };

class BmpButton : public QAbstractButton, public ControlData {
  Q_OBJECT

 public:
  explicit BmpButton(const QString& caption = {}, QWidget* parent = nullptr);

  const QPixmap& Up() const { return up_; }
  void SetUp(const QPixmap& picture);
  const QPixmap& Down() const { return down_; }
  void SetDown(const QPixmap& picture);
  const QPixmap& Disabled() const { return disabled_; }
  void SetDisabled(const QPixmap& picture);
  const QPixmap& StayDown() const { return stayDown_; }
  void SetStayDown(const QPixmap& picture);
  const QPixmap& Hot() const { return hot_; }
  void SetHot(const QPixmap& picture);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  const QColor& CaptionColor() const { return captionColor_; }
  void SetCaptionColor(const QColor& color);
  ButtonKind Kind() const { return kind_; }
  void SetKind(ButtonKind kind) { kind_ = kind; }
  int Width() const { return width(); }
  void SetWidth(int width);

  // A click as the user's: runs OnClick, and nothing while the button is disabled.
  void Click() { click(); }

  QSize sizeHint() const override;

  Event<BmpButton&> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void nextCheckState() override {}

 private:
  const QPixmap& Shown() const;
  // The enabled radio button on show next to this one in its group, or null at the group's end.
  BmpButton* RadioNeighbour(bool forward) const;

  QPixmap up_, down_, disabled_, stayDown_, hot_;
  QColor captionColor_;
  bool hovered_ = false;
  ButtonKind kind_ = ButtonKind::Command;
};
