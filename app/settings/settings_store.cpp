#include "settings_store.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <limits>

#include "platform/ini_file.h"

namespace sumwick {
namespace {

const char kControlOrderProperty[] = "sumwickControlOrder";
const QString kCheckSection = QStringLiteral("选择框");
const QString kEditSection = QStringLiteral("编辑框");
const QString kComboSection = QStringLiteral("组合框");
const QString kTrue = QStringLiteral("真");
const QString kFalse = QStringLiteral("假");
const QString kQuote = QStringLiteral("#引号");
const QString kBreak = QStringLiteral("><br><");
const QString kItemSep = QStringLiteral("<||>");
const QString kValueSep = QStringLiteral("<|>");

// Controls of kind T inside window with a name of their own, in the window's control order.
// Qt's internal helpers (names starting "qt_") are not controls of the window.
template <typename T>
QList<T*> ControlsOfKind(QWidget* window) {
  QList<T*> found;
  for (T* control : window->findChildren<T*>()) {
    const QString name = control->objectName();
    if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) found.append(control);
  }
  const QStringList order = window->property(kControlOrderProperty).toStringList();
  if (!order.isEmpty()) {
    auto rank = [&order](T* control) {
      const qsizetype at = order.indexOf(control->objectName());
      return at < 0 ? order.size() : at;
    };
    std::stable_sort(found.begin(), found.end(),
                     [&rank](T* a, T* b) { return rank(a) < rank(b); });
  }
  return found;
}

bool IsExcluded(const QString& name, const QString& exclusions) {
  if (exclusions.isEmpty()) return false;
  return exclusions.split(QLatin1Char('|')).contains(name);
}

QString EncodeComboValue(const QComboBox* combo) {
  QString value;
  for (int i = 0; i < combo->count(); ++i) {
    value += combo->itemText(i) + kValueSep + QString::number(combo->itemData(i).toInt()) + kItemSep;
  }
  value += QString::number(combo->currentIndex()) + kValueSep + combo->currentText();
  return value.replace(QLatin1Char('"'), kQuote);
}

void RestoreCombo(QComboBox* combo, QString value) {
  value.replace(kQuote, QStringLiteral("\""));
  const QStringList segments = value.split(kItemSep);
  combo->clear();
  for (qsizetype i = 0; i + 1 < segments.size(); ++i) {
    const QString& segment = segments[i];
    const qsizetype first = segment.indexOf(kValueSep);
    const qsizetype last = segment.lastIndexOf(kValueSep);
    const QString text = first < 0 ? QString() : segment.left(first);
    const int itemValue = last < 0 ? 0 : LeadingNumber(segment.mid(last + kValueSep.size()));
    combo->addItem(text, itemValue);
  }
  const QString& last = segments.back();
  const qsizetype first = last.indexOf(kValueSep);
  int index = LeadingNumber(first < 0 ? last : last.left(first));
  if (index >= combo->count()) index = combo->count() - 1;
  if (index < -1) index = -1;
  combo->setCurrentIndex(index);
  // The text comes last; for a drop-down list (not editable) setting it changes nothing visible,
  // and Qt would instead select an item of that text, so only editable combo boxes take it.
  if (combo->isEditable()) {
    const qsizetype lastSep = last.lastIndexOf(kValueSep);
    combo->setEditText(lastSep < 0 ? QString() : last.mid(lastSep + kValueSep.size()));
  }
}

}  // namespace

QString EncodeEditText(const QString& text) {
  QString value = text;
  value.replace(QStringLiteral("\r\n"), kBreak);
  // A lone carriage return or line feed is a line break too; values stay single lines.
  value.replace(QLatin1Char('\r'), kBreak);
  value.replace(QLatin1Char('\n'), kBreak);
  value.replace(QLatin1Char('"'), kQuote);
  return value;
}

QString DecodeEditText(const QString& value) {
  QString text = value;
  text.replace(kBreak, QStringLiteral("\r\n"));
  text.replace(kQuote, QStringLiteral("\""));
  return text;
}

int LeadingNumber(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i].isSpace()) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  long long magnitude = 0;
  for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
    magnitude = std::min<long long>(magnitude * 10 + (text[i].unicode() - '0'),
                                    static_cast<long long>(std::numeric_limits<int>::max()) + 1);
  }
  const long long value = negative ? -magnitude : magnitude;
  return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

void SetControlOrder(QWidget* window, const QStringList& names) {
  window->setProperty(kControlOrderProperty, names);
}

void RestoreCheckBoxes(QWidget* window, const QString& file) {
  const IniFile ini = IniFile::Load(file);
  for (QCheckBox* box : ControlsOfKind<QCheckBox>(window)) {
    const QString value = ini.Value(kCheckSection, box->objectName());
    if (!value.isEmpty()) box->setChecked(value != kFalse);
  }
}

void RestoreEditBoxes(QWidget* window, const QString& file) {
  const IniFile ini = IniFile::Load(file);
  for (QLineEdit* edit : ControlsOfKind<QLineEdit>(window)) {
    const QString value = ini.Value(kEditSection, edit->objectName());
    if (!value.isEmpty()) edit->setText(DecodeEditText(value));
  }
}

void RestoreComboBoxes(QWidget* window, const QString& file) {
  const IniFile ini = IniFile::Load(file);
  for (QComboBox* combo : ControlsOfKind<QComboBox>(window)) {
    const QString value = ini.Value(kComboSection, combo->objectName());
    if (!value.isEmpty()) RestoreCombo(combo, value);
  }
}

namespace {

void PutCheckBoxes(IniFile& ini, QWidget* window, const QString& exclusions) {
  for (QCheckBox* box : ControlsOfKind<QCheckBox>(window)) {
    if (IsExcluded(box->objectName(), exclusions)) continue;
    ini.SetValue(kCheckSection, box->objectName(), box->isChecked() ? kTrue : kFalse);
  }
}

void PutEditBoxes(IniFile& ini, QWidget* window, const QString& exclusions) {
  for (QLineEdit* edit : ControlsOfKind<QLineEdit>(window)) {
    if (IsExcluded(edit->objectName(), exclusions)) continue;
    ini.SetValue(kEditSection, edit->objectName(), EncodeEditText(edit->text()));
  }
}

void PutComboBoxes(IniFile& ini, QWidget* window, const QString& exclusions) {
  for (QComboBox* combo : ControlsOfKind<QComboBox>(window)) {
    if (IsExcluded(combo->objectName(), exclusions)) continue;
    ini.SetValue(kComboSection, combo->objectName(), EncodeComboValue(combo));
  }
}

}  // namespace

bool SaveCheckBoxes(QWidget* window, const QString& file, const QString& exclusions) {
  IniFile ini = IniFile::Load(file);
  PutCheckBoxes(ini, window, exclusions);
  return ini.Save(file);
}

bool SaveEditBoxes(QWidget* window, const QString& file, const QString& exclusions) {
  IniFile ini = IniFile::Load(file);
  PutEditBoxes(ini, window, exclusions);
  return ini.Save(file);
}

bool SaveComboBoxes(QWidget* window, const QString& file, const QString& exclusions) {
  IniFile ini = IniFile::Load(file);
  PutComboBoxes(ini, window, exclusions);
  return ini.Save(file);
}

void RestoreWindowStates(QWidget* window, const QString& file) {
  RestoreCheckBoxes(window, file);
  RestoreEditBoxes(window, file);
  RestoreComboBoxes(window, file);
}

bool SaveWindowStates(QWidget* window, const QString& file, const QString& comboExclusions) {
  // One read and one atomic write: the same file as the three saves one after the other.
  IniFile ini = IniFile::Load(file);
  PutCheckBoxes(ini, window, {});
  PutEditBoxes(ini, window, {});
  PutComboBoxes(ini, window, comboExclusions);
  return ini.Save(file);
}

}  // namespace sumwick
