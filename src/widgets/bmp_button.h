#pragma once
// A button drawn from pictures. It shows Up at rest, Down while the mouse holds it, Hot while the
// pointer is over it (when it has a Hot picture) and Disabled when it cannot be used (when it has a
// Disabled picture; otherwise a faded Up). StayDown is a picture it keeps for the panel's state
// handlers, which show a button's states by giving its Up another of the pictures. Each picture can be
// taken over from another button. The caption is drawn centred over the picture in its own colour.

#include <QPixmap>
#include <QWidget>

#include "control_data.h"

class BmpButton : public QWidget, public ControlData {
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

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  const QColor& CaptionColor() const { return captionColor_; }
  void SetCaptionColor(const QColor& color);
  int Width() const { return width(); }
  void SetWidth(int width);

  // Runs OnClick as a click of the user would.
  void Click();

  QSize sizeHint() const override;

  Event<BmpButton&> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  const QPixmap& Shown() const;

  QPixmap up_, down_, disabled_, stayDown_, hot_;
  QString caption_;
  QColor captionColor_;
  bool pressed_ = false;
  bool hovered_ = false;
};
