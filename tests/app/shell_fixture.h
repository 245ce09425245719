#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QUrl>
#include <memory>
#include <vector>

#include "dialog_script.h"
#include "form_main.h"
#include "program_forms.h"

// The main window with every window of the program, a dialog script, a temporary folder
// of its own for data files and configuration, and recorders for program ends and
// shell requests.
class ShellTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  QString Path(const QString& name) const { return dir_.filePath(name); }
  // Saves a document as a data file of the test's folder.
  void WriteDataFile(const QString& name, const Document& doc) const;
  // New through the settings window, closed with OK.
  void MakeNewDocument();

  std::unique_ptr<TFormMain> main_;
  std::unique_ptr<DialogScript> script_;
  int terminated_ = 0;
  std::vector<QUrl> opened_;

 private:
  QTemporaryDir dir_;
  QByteArray oldDataHome_;
};
