#include "controls.h"

#include <QDesktopServices>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOptionButton>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTextLayout>

#include "integer_reading.h"

namespace sumwick::ui {
namespace {

const QStringList& GuiFamilies() {
  // 宋体 first (Windows, or where installed); then CJK faces whose Latin letters, digits and spaces
  // are half the width of an ideograph, as in 宋体.
  static const QStringList families = {
      QStringLiteral("SimSun"),
      QStringLiteral("宋体"),
      QStringLiteral("NSimSun"),
      QStringLiteral("Noto Sans Mono CJK SC"),
      QStringLiteral("WenQuanYi Micro Hei Mono"),
      QStringLiteral("Noto Sans CJK SC"),
  };
  return families;
}

}  // namespace

QFont DefaultGuiFont() { return GuiFont(9); }

QFont GuiFont(int pointSize, bool bold) {
  QFont font;
  font.setFamilies(GuiFamilies());
  font.setPointSize(pointSize);
  font.setBold(bold);
  // Where none of the families is installed, a fixed-pitch face keeps spaces as wide as digits.
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

// ---------------------------------------------------------------------------------------------
// GroupBoxFrame

void GroupBoxFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int lineY = metrics.height() / 2;
  const QRect frame = rect().adjusted(0, lineY, -1, -1);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.adjusted(1, 1, 0, 0));
  if (title().isEmpty()) return;
  const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
  painter.fillRect(caption, palette().brush(QPalette::Window));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(caption, Qt::AlignCenter, title());
}

// ---------------------------------------------------------------------------------------------
// EditBox

EditBox::EditBox(InputRule rule, QWidget* parent) : QLineEdit(parent), rule_(rule) {
  setFrame(false);
  setTextMargins(2, 1, 2, 1);
  setAlignment(Qt::AlignCenter);
  setReadOnly(rule == InputRule::ReadOnly);
  QPalette pal = palette();
  pal.setColor(QPalette::Base, Qt::white);
  pal.setColor(QPalette::Text, Qt::black);
  setPalette(pal);
  setAutoFillBackground(true);
}

void EditBox::AttachSpinner(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  if (!spinner_) spinner_ = new SpinnerArrows(this);
  spinner_->setGeometry(geometry().right() + 1, geometry().top(), SpinnerArrows::kWidth,
                        geometry().height());
}

void EditBox::Step(int delta) {
  // The text read as every number of the settings is read (0 when it does not start with one).
  const long long value = static_cast<long long>(ReadIntegerValue(text())) + delta;
  long long result = value;
  if (value < minimum_ || value > maximum_) result = delta > 0 ? minimum_ : maximum_;
  setText(QString::number(result));
  selectAll();
  setFocus(Qt::OtherFocusReason);
}

void EditBox::keyPressEvent(QKeyEvent* event) {
  if (rule_ == InputRule::Digits) {
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.front().isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (printable) {
      for (QChar c : typed) {
        if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char('-')) {
          event->accept();  // swallowed: the character is ignored
          return;
        }
      }
    }
  }
  QLineEdit::keyPressEvent(event);
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
  if (rule_ == InputRule::Digits) {
    for (QChar c : event->commitString()) {
      if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char('-')) {
        event->accept();
        return;
      }
    }
  }
  QLineEdit::inputMethodEvent(event);
}

void EditBox::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QColor(0x7A, 0x7A, 0x7A));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// ---------------------------------------------------------------------------------------------
// SpinnerArrows

SpinnerArrows::SpinnerArrows(EditBox* edit) : QWidget(edit->parentWidget()), edit_(edit) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::ArrowCursor);
}

void SpinnerArrows::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int half = height() / 2;
  const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
  for (int i = 0; i < 2; ++i) {
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = halves[i];
    button.state |= QStyle::State_Raised;
    if ((i == 0 && pressed_ > 0) || (i == 1 && pressed_ < 0)) button.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = halves[i].adjusted(3, 2, -3, -2);
    style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                           &arrow, &painter, this);
  }
}

void SpinnerArrows::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = event->position().y() < height() / 2 ? +1 : -1;
  update();
}

void SpinnerArrows::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || pressed_ == 0) return;
  const int step = pressed_;
  pressed_ = 0;
  update();
  if (rect().contains(event->position().toPoint())) edit_->Step(step);
}

// ---------------------------------------------------------------------------------------------
// WrappedLabel

void WrappedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setFont(font());
  const int pitch = QFontInfo(font()).pixelSize();
  const QFontMetrics metrics(font());
  // Centre the face's ascent and descent in the pitch.
  const int baselineInPitch = (pitch + metrics.ascent() - metrics.descent()) / 2;
  int y = 0;
  QString caption = text();
  caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  for (const QString& paragraph : caption.split(QLatin1Char('\n'))) {
    QTextLayout layout(paragraph, font());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width());
      line.setPosition(QPointF(0, y + baselineInPitch - line.ascent()));
      y += pitch;
    }
    layout.endLayout();
    layout.draw(&painter, QPointF(0, 0));
    if (paragraph.isEmpty()) y += pitch;
  }
}

// ---------------------------------------------------------------------------------------------
// HyperlinkLabel

HyperlinkLabel::HyperlinkLabel(const QString& caption, const QUrl& url, QWidget* parent)
    : QLabel(caption, parent), url_(url) {
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  UpdateColor();
}

QColor HyperlinkLabel::currentColor() const {
  if (hovered_) return kHover;
  return visited_ ? kVisited : kNormal;
}

void HyperlinkLabel::UpdateColor() {
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, currentColor());
  setPalette(pal);
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  UpdateColor();
  QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
  hovered_ = false;
  UpdateColor();
  QLabel::leaveEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    QDesktopServices::openUrl(url_);
    visited_ = true;
    UpdateColor();
    emit opened(url_);
  }
  QLabel::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------------------------------------
// TabControl

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) { setFocusPolicy(Qt::NoFocus); }

QPoint TabControl::PageOffset() const {
  QStyleOptionTabWidgetFrame option;
  initStyleOption(&option);
  return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
}

void TabControl::SetHeadersShown(bool shown) {
  if (shown == headersShown_) return;
  headersShown_ = shown;
  // The bar keeps its place in the layout (hiding it would move the pages up over the strip), it
  // only stops painting and lets the mouse through to the tab control, which does nothing with it.
  QTabBar* bar = tabBar();
  bar->setAttribute(Qt::WA_TransparentForMouseEvents, !shown);
  if (shown) {
    bar->removeEventFilter(this);
  } else {
    bar->installEventFilter(this);
  }
  bar->update();
  update();
}

bool TabControl::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabBar() && !headersShown_ && event->type() == QEvent::Paint) return true;
  return QTabWidget::eventFilter(watched, event);
}

void TabControl::paintEvent(QPaintEvent* event) {
  if (headersShown_) QTabWidget::paintEvent(event);  // the frame around the pages
}

void TabControl::keyPressEvent(QKeyEvent* event) {
  if (!headersShown_) {
    event->ignore();  // no Ctrl+Tab or Ctrl+PageDown to another page
    return;
  }
  QTabWidget::keyPressEvent(event);
}

// ---------------------------------------------------------------------------------------------
// ListView

ListView::ListView(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  header()->setMinimumSectionSize(0);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  setItemDelegate(new PictureDelegate(this));
}

void ListView::SetPictureSet(const QStringList& resourcePaths) { pictures_ = resourcePaths; }

int ListView::AddRow() {
  auto* item = new QTreeWidgetItem(this);
  return indexOfTopLevelItem(item);
}

void ListView::SetCellText(int row, int column, const QString& text) {
  if (QTreeWidgetItem* item = topLevelItem(row)) item->setText(column, text);
}

QString ListView::CellText(int row, int column) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? item->text(column) : QString();
}

void ListView::SetCellPicture(int row, int column, int k) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (!item || k < 0 || k >= pictures_.size()) return;
  QPixmap picture;
  if (!QPixmapCache::find(pictures_[k], &picture)) {
    picture.load(pictures_[k]);
    QPixmapCache::insert(pictures_[k], picture);
  }
  item->setData(column, kPictureRole, picture);
}

int ListView::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

// ---------------------------------------------------------------------------------------------
// PictureDelegate

void PictureDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  const QVariant data = index.data(ListView::kPictureRole);
  if (!data.isValid()) return;
  const QPixmap picture = data.value<QPixmap>();
  painter->save();
  painter->setClipRect(option.rect);
  painter->drawPixmap(option.rect.topLeft(), picture);
  painter->restore();
}

QSize PictureDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  const auto* list = qobject_cast<const ListView*>(parent());
  if (list && list->hasPictureSet()) size.setHeight(80);
  return size;
}

}  // namespace sumwick::ui
