#pragma once

#include <QByteArray>

#include "csv_import.h"
#include "form.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The preview of a CSV import ("CSV取込"): the rows as they will be stored and every row
// that cannot be taken, with its row, column and why. 取込 is offered only when every row
// is good; "既存を更新" reads the file again, updating known records in place.
class TFormCsvImport : public TForm {
  Q_OBJECT

 public:
  TFormCsvImport(Document& doc, ImportTarget target, QByteArray csv, QWidget* parent = nullptr);

  QLabel* LabelEncoding = nullptr;
  QCheckBox* CheckBoxUpdate = nullptr;
  QLabel* LabelNotes = nullptr;
  QTableWidget* ListViewRows = nullptr;
  QTableWidget* ListViewProblems = nullptr;
  QLabel* LabelSummary = nullptr;
  QPushButton* ButtonImport = nullptr;
  QPushButton* ButtonCancel = nullptr;

  const ImportPlan& Plan() const { return plan_; }

 public slots:
  void Replan();

 private:
  void BuildControls();
  void ShowPlan();

  ImportTarget target_;
  QByteArray csv_;
  ImportPlan plan_;
};

// The list windows' "CSV取込…": asks for the file, shows the preview and stores the rows
// when the user takes them. True when the document changed.
bool ImportCsvFromFile(TForm* owner, ImportTarget target);
