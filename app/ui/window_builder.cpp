#include "window_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QWindow>

#include "settings/settings_store.h"

namespace sumwick::ui {
namespace {

ControlRow Row(ControlKind kind, const QString& name, ParentRef parent, QRect geometry,
                const QString& caption) {
  ControlRow row;
  row.kind = kind;
  row.name = name;
  row.parent = std::move(parent);
  row.geometry = geometry;
  row.caption = caption;
  return row;
}

QWidget* MakeWidget(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::GroupBox:
      return new GroupBoxFrame(row.caption, parent);
    case ControlKind::Label: {
      QLabel* label = row.wrap ? new WrappedLabel(parent) : new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setText(row.caption);
      if (row.wrap) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      }
      return label;
    }
    case ControlKind::EditBox: {
      auto* edit = new EditBox(row.input, parent);
      edit->setText(row.caption);
      return edit;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(row.caption, parent);
      box->setChecked(row.checked);
      return box;
    }
    case ControlKind::RadioButton: {
      auto* radio = new QRadioButton(row.caption, parent);
      radio->setChecked(row.checked);
      return radio;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      for (const QString& item : row.items) combo->addItem(item, 0);
      combo->setCurrentIndex(row.selected);
      combo->setMaxVisibleItems(20);
      return combo;
    }
    case ControlKind::Button:
      return new QPushButton(row.caption, parent);
    case ControlKind::TabControl: {
      auto* tabs = new TabControl(parent);
      tabs->tabBar()->setFocusPolicy(Qt::NoFocus);
      for (const QString& caption : row.items) tabs->addTab(new QWidget, caption);
      tabs->setCurrentIndex(0);
      return tabs;
    }
    case ControlKind::ListView: {
      auto* list = new ListView(parent);
      list->setColumnCount(static_cast<int>(row.columns.size()));
      QStringList captions;
      for (const ListColumn& column : row.columns) captions << column.caption;
      list->setHeaderLabels(captions);
      for (int i = 0; i < row.columns.size(); ++i) list->setColumnWidth(i, row.columns[i].width);
      list->SetPictureSet(row.pictures);
      return list;
    }
    case ControlKind::HyperlinkLabel:
      return new HyperlinkLabel(row.caption, QUrl(row.url), parent);
    case ControlKind::PictureBox: {
      auto* picture = new QLabel(parent);
      picture->setScaledContents(true);
      if (!row.pictures.isEmpty()) picture->setPixmap(QPixmap(row.pictures.front()));
      if (row.border) {
        picture->setFrameShape(QFrame::Box);
        picture->setLineWidth(1);
      }
      return picture;
    }
    case ControlKind::ShapeBox: {
      auto* shape = new QFrame(parent);
      shape->setFrameShape(QFrame::Box);
      shape->setLineWidth(1);
      return shape;
    }
  }
  return nullptr;
}

// Fixed outer size, centred opening, Esc closes.
class FixedFrame : public QObject {
 public:
  FixedFrame(QWidget* window, QSize outerSize) : QObject(window), window_(window), outer_(outerSize) {
    window->setFixedSize(outerSize);
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    switch (event->type()) {
      case QEvent::Show:
        // Centred when it opens, not again when it comes back from the taskbar.
        Fit(/*centre=*/!centred_);
        break;
      case QEvent::Move:
      case QEvent::Resize:
        Fit(/*centre=*/false);
        break;
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
          window_->close();
          return true;
        }
        break;
      }
      default:
        break;
    }
    return false;
  }

 private:
  // The client size is the outer size less the frame that the window system reports (nothing
  // before the window is mapped, or without a window manager).
  void Fit(bool centre) {
    if (fitting_) return;
    fitting_ = true;
    const QWindow* handle = window_->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    const QSize client(outer_.width() - frame.left() - frame.right(),
                       outer_.height() - frame.top() - frame.bottom());
    if (client != window_->size()) window_->setFixedSize(client);
    if (centre) {
      if (const QScreen* screen = window_->screen()) {
        const QRect area = screen->availableGeometry();
        window_->move(area.left() + (area.width() - outer_.width()) / 2,
                      area.top() + (area.height() - outer_.height()) / 2);
      }
      centred_ = true;
    }
    fitting_ = false;
  }

  QWidget* window_;
  QSize outer_;
  bool centred_ = false;
  bool fitting_ = false;
};

}  // namespace

ControlRow GroupBox(const QString& name, ParentRef parent, QRect geometry, const QString& caption) {
  return Row(ControlKind::GroupBox, name, std::move(parent), geometry, caption);
}

ControlRow Label(const QString& name, ParentRef parent, QRect geometry, const QString& caption) {
  return Row(ControlKind::Label, name, std::move(parent), geometry, caption);
}

ControlRow Edit(const QString& name, ParentRef parent, QRect geometry, InputRule input,
                 const QString& text) {
  ControlRow row = Row(ControlKind::EditBox, name, std::move(parent), geometry, text);
  row.input = input;
  return row;
}

ControlRow CheckBox(const QString& name, ParentRef parent, QRect geometry, const QString& caption,
                     bool checked) {
  ControlRow row = Row(ControlKind::CheckBox, name, std::move(parent), geometry, caption);
  row.checked = checked;
  return row;
}

ControlRow Radio(const QString& name, ParentRef parent, QRect geometry, const QString& caption,
                  bool selected) {
  ControlRow row = Row(ControlKind::RadioButton, name, std::move(parent), geometry, caption);
  row.checked = selected;
  return row;
}

ControlRow Combo(const QString& name, ParentRef parent, QRect geometry, const QStringList& items,
                  int selected) {
  ControlRow row = Row(ControlKind::ComboBox, name, std::move(parent), geometry, {});
  row.items = items;
  row.selected = selected;
  return row;
}

ControlRow Button(const QString& name, ParentRef parent, QRect geometry, const QString& caption) {
  return Row(ControlKind::Button, name, std::move(parent), geometry, caption);
}

ControlRow Tabs(const QString& name, ParentRef parent, QRect geometry, const QStringList& pages) {
  ControlRow row = Row(ControlKind::TabControl, name, std::move(parent), geometry, {});
  row.items = pages;
  return row;
}

ControlRow List(const QString& name, ParentRef parent, QRect geometry,
                 const QList<ListColumn>& columns) {
  ControlRow row = Row(ControlKind::ListView, name, std::move(parent), geometry, {});
  row.columns = columns;
  return row;
}

ControlRow Hyperlink(const QString& name, ParentRef parent, QRect geometry,
                      const QString& caption, const QString& url) {
  ControlRow row = Row(ControlKind::HyperlinkLabel, name, std::move(parent), geometry, caption);
  row.url = url;
  return row;
}

ControlRow PictureBox(const QString& name, ParentRef parent, QRect geometry,
                       const QString& resourcePath) {
  ControlRow row = Row(ControlKind::PictureBox, name, std::move(parent), geometry, {});
  row.pictures = QStringList{resourcePath};
  return row;
}

ControlRow ShapeBox(const QString& name, ParentRef parent, QRect geometry) {
  return Row(ControlKind::ShapeBox, name, std::move(parent), geometry, {});
}

QStringList NumberItems(int first, int last, int step) {
  QStringList items;
  for (int n = first; n <= last; n += step) items << QString::number(n);
  return items;
}

Controls BuildWindow(QWidget* window, const WindowLayout& layout) {
  window->setWindowTitle(layout.title);
  window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint);
  if (!layout.iconFiles.isEmpty()) {
    QIcon icon;
    for (const QString& file : layout.iconFiles) icon.addFile(file);
    window->setWindowIcon(icon);
  }
  window->setFont(DefaultGuiFont());
  ApplyFixedFrame(window, layout.outerSize);
  SetControlOrder(window, layout.controlOrder);

  Controls controls;
  for (const ControlRow& row : layout.controls) {
    QWidget* parent = window;
    QPoint offset;
    if (!row.parent.name.isEmpty()) {
      parent = controls.Find(row.parent.name);
      Q_ASSERT_X(parent, "BuildWindow", "a parent's row must come before its children's rows");
      if (!parent) continue;
      if (row.parent.page >= 0) {
        auto* tabs = qobject_cast<TabControl*>(parent);
        Q_ASSERT(tabs);
        if (!tabs) continue;
        offset = tabs->PageOffset();
        parent = tabs->widget(row.parent.page);
      }
    }
    QWidget* widget = MakeWidget(row, parent);
    widget->setObjectName(row.name);
    if (row.pointSize > 0 || row.bold) {
      widget->setFont(GuiFont(row.pointSize > 0 ? row.pointSize : 9, row.bold));
    }
    widget->setGeometry(row.geometry.translated(-offset));
    if (auto* edit = qobject_cast<EditBox*>(widget); edit && row.hasSpinner) {
      edit->AttachSpinner(row.spinMin, row.spinMax);
    }
    controls.Add(row.name, widget);
  }
  return controls;
}

void ApplyFixedFrame(QWidget* window, QSize outerSize) { new FixedFrame(window, outerSize); }

}  // namespace sumwick::ui
