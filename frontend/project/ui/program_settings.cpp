#include "frontend/project/ui/program_settings.h"

#include <QSettings>

#include "frontend/project/recent_files.h"

namespace murena {

namespace {

constexpr const char* kEditorKey = "Word Processor";
constexpr const char* kEngineKey = "Engine Library";

// The settings group of this version.
class Settings {
 public:
  Settings() : settings_(QStringLiteral("Kaldor"), QStringLiteral("MURENA")) {
    settings_.beginGroup(QStringLiteral("2015.5.12"));
  }
  QSettings& operator*() { return settings_; }
  QSettings* operator->() { return &settings_; }

 private:
  QSettings settings_;
};

QString textValue(QSettings& s, const QString& key) {
  const QVariant v = s.value(key);
  return v.canConvert<QString>() ? v.toString() : QString();
}

QString recentKey(int n) { return QStringLiteral("File%1").arg(n); }

}  // namespace

ProgramSettings readProgramSettings() {
  Settings s;
  ProgramSettings p;
  p.editorPath = textValue(*s, kEditorKey);
  p.engineLibrary = textValue(*s, kEngineKey);
  for (int n = 1; n <= TRecentFiles::kMaxEntries; ++n) {
    const QString file = textValue(*s, recentKey(n));
    if (!file.isEmpty()) p.recentFiles << file;
  }
  return p;
}

void writeEditorPath(const QString& path) {
  Settings s;
  s->setValue(kEditorKey, path);
}

void writeRecentFiles(const QStringList& files) {
  Settings s;
  for (int n = 1; n <= TRecentFiles::kMaxEntries; ++n) {
    if (n <= files.size())
      s->setValue(recentKey(n), files[n - 1]);
    else
      s->remove(recentKey(n));
  }
}

}  // namespace murena
