#pragma once
// The main window: the calculation page with circuit entry and results, and
// the graph page. It holds the circuit as entered, the last results computed
// from it and the graph state for the whole run, and no other copy of the
// circuit: a handler changes the document or the results and shows what
// follows from them. Each control has its handler, named after the event; a
// row of like controls has one handler that takes the branch or the matrix
// cell.

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "calc/calc_error.h"
#include "calc/circuit.h"
#include "calc/matrix_from_currents.h"
#include "document/circuit_document.h"
#include "document/element_entry.h"
#include "document/language.h"
#include "document/page_results.h"
#include "result_label.h"
#include "graph/graph_host.h"
#include "sweep/graph_state.h"
#include "document/signed_sum_entry.h"
#include "document/units.h"
#include "platform/save_file_dialog.h"
#include "element_tuning_window.h"

class CircuitPicture;
class DiagramWindow;
struct DiagramLoops;
class EntryField;
class GraphPage;
class GraphPageHost;
class PreviewWindow;
class QAction;
class QGroupBox;
class QDialog;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class RecoveryFile;

class Selector;
class TabControl;

// One per branch, indexed by the branch number b = 1 … 15 as the circuit's
// arrays are; element 0 is unused (a null control).
template <typename T>
using ByBranch = std::array<T, Circuit::MaxBranches + 1>;

// The controls of the calculation page. The matrix buttons are indexed by
// the element's row and column j, k = 1 … 5; row 0 and column 0 are null.
struct CalcControls {
    TabControl* pageTabs = nullptr;  // the calculation page and the graph page
    QLabel* title = nullptr;

    QGroupBox* stateFrame = nullptr;
    QLabel* emfCaption = nullptr;
    QLabel* frequencyCaption = nullptr;
    QLabel* loopCountCaption = nullptr;
    QLabel* branchCountCaption = nullptr;
    Selector* loopCount = nullptr;
    Selector* branchCount = nullptr;
    EntryField* emfField = nullptr;
    EntryField* frequencyField = nullptr;
    Selector* emfUnit = nullptr;
    Selector* frequencyUnit = nullptr;

    QGroupBox* sampleFrame = nullptr;
    CircuitPicture* samplePicture = nullptr;

    QGroupBox* commandFrame = nullptr;
    QPushButton* calculateButton = nullptr;
    QPushButton* frequencyButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* quitButton = nullptr;

    // Branch impedances, five branches to a tab.
    TabControl* impedanceTabs = nullptr;
    std::array<QLabel*, 3> impedanceHeadings{};
    ByBranch<QPushButton*> elementButtons{};
    ByBranch<ResultLabel*> impedanceRe{};
    ByBranch<QLabel*> plusJ{};
    ByBranch<ResultLabel*> impedanceIm{};
    ByBranch<Selector*> impedanceUnit{};

    QLabel* matrixHeading = nullptr;
    std::array<std::array<QPushButton*, Circuit::MaxLoops + 1>, Circuit::MaxLoops + 1> matrixButtons{};

    // Branch currents, five branches to a tab, in a frame on each.
    TabControl* currentTabs = nullptr;
    std::array<QGroupBox*, 3> currentFrames{};
    ByBranch<QPushButton*> currentButtons{};
    ByBranch<QLabel*> currentDefinition{};
    ByBranch<ResultLabel*> currentMagnitude{};
    ByBranch<Selector*> currentUnit{};
    ByBranch<QLabel*> currentPhaseCaption{};
    ByBranch<ResultLabel*> currentPhase{};
    ByBranch<QLabel*> currentDegrees{};

    QGroupBox* inputImpedanceFrame = nullptr;
    QLabel* inputImpedanceCaption = nullptr;
    ResultLabel* inputImpedanceMagnitude = nullptr;
    Selector* inputImpedanceUnit = nullptr;
    ResultLabel* inputImpedancePhase = nullptr;
    QLabel* inputImpedanceDegrees = nullptr;

    QGroupBox* voltageFrame = nullptr;
    Selector* voltageBranch = nullptr;
    ResultLabel* voltageMagnitude = nullptr;
    Selector* voltageUnit = nullptr;
    ResultLabel* voltagePhase = nullptr;
    QLabel* voltageDegrees = nullptr;
};

class MainWindow : public QWidget, private GraphHost, private TuningHost {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    const CalcControls& Controls() const { return ui_; }
    // What the user entered, as a circuit file holds it.
    const CircuitDocument& document() const { return entry_; }
    // The results of the calculation page and which of them it shows.
    const PageResults& results() const { return results_; }
    const GraphState& graphState() const { return g_; }
    // The graph page, tab 1.
    GraphPage& Graph() { return *graph_; }
    // The print preview, once "グラフ印刷" has opened it.
    PreviewWindow* Preview() { return preview_.get(); }

    // The circuit size.
    void OnLoopCountChosen();
    void OnBranchCountChosen();
    void OnPageChosen();

    // Entry fields and unit selectors.
    void OnEmfEdited();
    void OnFrequencyEdited();
    void OnEnterInEmfField();
    void OnEnterInFrequencyField();
    void OnEmfUnitChosen();
    void OnFrequencyUnitChosen();
    void OnImpedanceUnitChosen(int b);
    void OnCurrentUnitChosen(int b);
    void OnInputImpedanceUnitChosen();
    void OnVoltageBranchChosen();
    void OnVoltageUnitChosen();

    // The commands.
    void OnCalculate();
    void OnShowFrequencyCharacteristics();
    void OnClear();
    void OnQuit();

    // The definitions: element values, matrix element, branch current.
    void OnElementButton(int b);
    void OnMatrixButton(int j, int k);
    void OnCurrentButton(int b);

    // The file menu.
    void OnNew();
    void OnOpen();
    void OnOpenRecent(const QString& path);
    // ファイル → 例を開く: the example as a new circuit, with no file.
    void OpenExample(const QString& path);
    // True when the circuit was written.
    bool OnSave();
    bool OnSaveAs();
    // The circuit menu: every matrix definition written from the branch
    // currents; the diagram window of the document's drawing.
    void OnMatrixFromCurrents();
    void OnDiagram();
    // 表示 → 言語: every window speaks the language at once, and the windows
    // of later runs too.
    void OnLanguageChosen(Language language);
    // The diagram window, once 回路図 has opened it.
    DiagramWindow* Diagram() const { return diagram_; }
    // The circuit menu and the graphs' menu: the window that tunes and steps
    // an element, beside the graph page, which it shows; before curves can
    // be drawn, the message that asks for the circuit.
    void OpenElementTuning() override;
    // That window, once opened.
    ElementTuningWindow* Tuning() { return tuning_; }

    // Opens the circuit file as if its circuit had been entered through the
    // fields and dialogs; a refused file is said in a message and leaves
    // everything as it was. True when opened.
    bool OpenFile(const QString& path);
    // The same, after asking about unsaved work: a file named at start or
    // dropped on the window.
    void OpenAfterAsking(const QString& path);
    // After the window is shown at start: offers the circuit of a program
    // that did not end normally.
    void OfferRecovery();
    // At log-out: the working circuit stays in the recovery file, to be
    // offered at the next start.
    void KeepRecoveryForNextStart();

    // Test seam: what asks for the file to open or to save as; it returns
    // the chosen path, or nothing when cancelled. suggested is a full path.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    void SetFileChoosers(FileChooser open, FileChooser save);
    // Test seam: what asks for the file an export is written to.
    void SetExportChooser(SaveFileChooser chooser) { exportChooser_ = std::move(chooser); }

signals:
    // "終了": the program is to end at once.
    void endRequested();

protected:
    // A new language: what the window shows from its document and results is
    // shown again in it.
    void changeEvent(QEvent* event) override;
    // The close box asks about unsaved work as 終了 does.
    void closeEvent(QCloseEvent* event) override;
    // A dropped circuit file is opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Building the window.
    void Build();
    void BuildCalcPage(QWidget* page);
    void BuildStateFrame(QWidget* page);
    void BuildCommandFrame(QWidget* page);
    void BuildImpedanceRows(QWidget* page);
    void BuildMatrix(QWidget* page);
    void BuildCurrentRows(QWidget* page);
    void BuildResultFrames(QWidget* page);
    void FillLists();
    void Connect();
    void SetFocusOrder();
    void BuildMenuBar();
    // Names every control for assistive technology, and ties each result
    // label to its unit.
    void NameControls();
    void AddShortcuts();
    void ShowGuide();
    void ShowInLanguage();
    void ShowLanguageChosen();
    void ShowAbout();
    void DescribeMatrixButton(int j, int k);
    void ShowCurrentDefinition(int b, const QString& definition);
    void FillRecentMenu();
    void AddExamplesMenu(QMenu* file);

    // The widgets of branch b's impedance row and current row.
    std::array<QWidget*, 5> BranchRow(int b) const;
    std::array<QWidget*, 7> CurrentRow(int b) const;

    // Start-up and circuit size.
    void Load();
    // The circuit the program starts with: two loops, three branches,
    // nothing entered.
    void StartCircuit();
    // A circuit of the size with nothing entered, E = 1 V and f = 100 Hz.
    void InitCircuit(int loops, int branches);
    // The matrix buttons of the first loops × loops elements are shown.
    void ShowMatrixButtons(int loops);
    void HideBranchRows();
    void HideCurrentRows();
    // "Z11" … "Z55", the caption of matrix button j, k when it holds no
    // definition.
    static QString DefaultMatrixCaption(int j, int k);
    // The count chosen in the selector, 2 … most, becomes the circuit's
    // size; when that removes entries, only once the user agrees. Otherwise
    // the selector shows the count again.
    enum class CountKind { Loops, Branches };
    void ChooseCount(Selector* selector, int most, CountKind kind);
    void Resize(int loops, int branches);
    // The rows of the circuit's branches are shown, the others hidden.
    void ShowRows();
    // The rows from branch `first` on hold nothing, in the units entered.
    void StartRows(int first);
    // The branch-voltage selector lists the circuit's branches and shows
    // branch `chosen` in its unit.
    void FillVoltageBranches(int chosen);
    // The definitions a new size removed show as never entered: the matrix
    // element's name, in both its places, and no branch-current text.
    void ShowRemovedDefinitions(const CircuitDocument& before);
    // Whether the circuit holds anything entered that the circuit
    // initialisation would discard: element values, matrix and branch-current
    // definitions, E and f with their units, display units.
    bool HoldsEntry() const;

    // Files and recovery. The circuit is modified when what was entered
    // differs from what was last opened or saved.
    bool IsModified() const;
    // Called after anything that may change what was entered: updates the
    // modified marker and has the recovery file written soon.
    void EntryMayHaveChanged();
    // The circuit on screen is no longer the one the results and the graph's
    // curves were calculated from.
    void CircuitChanged();
    void WriteRecovery();
    void UpdateCaption();
    void ShowModifiedMarker();
    void TakeAsSaved(const QString& path);
    // True when the circuit is saved, holds nothing entered since it was
    // saved, or the user gives it up.
    bool MayDiscardChanges();
    bool SaveTo(const QString& path);
    bool ChangedElsewhere(const QString& path) const;
    // A recovered circuit, with the file it was opened from or saved to.
    void Restore(const CircuitDocument& document, const QString& circuitFile);
    QString SuggestedPath() const;
    // Fills every field, unit, caption and definition from the document,
    // through the same steps as the dialogs.
    void LoadDocument(const CircuitDocument& document);
    // The caption face of matrix button j, k suits the definition's length.
    void SetMatrixCaptionFace(int j, int k, const QString& definition);
    // What the matrix dialog of element j, k opens with.
    SumPresses MatrixPressesShown(int j, int k) const;
    void StoreCurrentDefinition(int b, const SignedSumEntry& entry);
    // Matrix element j, k defined by the marks, with the caption the dialog
    // would build for them.
    void WriteMatrixDefinition(int j, int k, const SignedSumMarks& marks);

    // The matrix checked against the branch currents: nothing when they
    // agree or some branch current is missing.
    std::vector<ElementDisagreement> MatrixDisagreements() const;
    // Before 計算実行: true when the two agree, or the user chose to follow
    // the currents or to calculate as typed.
    bool MatrixAgreesOrUserDecides();
    void MarkMatrixDisagreements();

    // Entry fields. A field's number, once it holds one, is kept as the
    // value in use; true then.
    bool TakeNumber(const EntryField* field, QString& usedText);
    // Before a save: true when E and f hold numbers once their prefixed
    // values are taken; otherwise the field is named and focused.
    bool EntriesHoldNumbers();
    // The unit shown in the selector is taken, without moving the focus.
    void TakeEmfUnit();
    void TakeFrequencyUnit();
    // The text of the unit chosen in the selector goes into unit; a text
    // that names no unit of the list changes nothing.
    static void ChooseUnit(const Selector* selector, UnitList list, QString& unit);
    // A command needs the value of an entry field: a prefixed value is
    // taken, and an emptied field shows the value in use again.
    void ShowUsedValue(EntryField* field, const QString& usedText);
    void ShowUsedValues();
    // The branch the branch-voltage selector names, 0 when it names none of
    // the circuit.
    int ChosenVoltageBranch() const;

    // Commands. Each takes f first; a failure shows as a run-time error.
    void RunCommand(const std::function<void()>& command);
    void Calculate();
    // Before 計算実行: true when every branch was entered, or the user agrees
    // to calculate those never entered as 0 Ω.
    bool UnenteredBranchesAccepted();
    void SetCalculationValid(bool valid);
    // After 計算実行: every result of the calculation shown.
    void ShowResults();
    void ShowFrequencyCharacteristics();
    void ShowRunTimeError(const QString& description);
    // The results that a new E, a new definition or a new frequency make stale.
    void ClearInputImpedance();
    void ClearEmfResults();
    void ClearFrequencyResults();
    void ClearDefinitionResults();
    void ClearBranchImpedance(int b);
    // Every result label as the results say: a result shown in its display
    // unit, any other label empty. A result that cannot be shown in its unit
    // is no longer shown; the first such failure is returned.
    std::optional<CalcError> ShowPageResults();
    // The labels again after a display unit was chosen; a failure is shown
    // as a message.
    void ShowPageResultsGuarded();
    // Whether branch b's current and voltage in the results belong to the
    // circuit on screen; the labels show only such results again.
    bool HasBranchResults(int b) const;
    // Branch b's voltage in its own unit.
    void ShowVoltage(int b);
    // Branch b takes the values of the entry, or on any failure keeps all
    // it had; the failure is shown as a message.
    void StoreElement(int b, const ElementEntry& entry);
    // Branch b takes the entry of a file whatever the frequency: its
    // impedance is shown where it can be formed, and 計算実行 says why not
    // where it cannot. Element values of a read file never overflow.
    void LoadElement(int b, const ElementEntry& entry);
    // Element j, k takes the definition; a value that overflows with the
    // branch impedances at the frequency in use is said in a message.
    void StoreMatrixElement(int j, int k, const SignedSumEntry& entry);

    // The diagram window's requests: its drawing becomes the document's; the
    // page takes the drawing's definitions and element values through the
    // steps of the dialogs, after asking when that replaces entries; the
    // netlist of the drawing is written to a file chosen.
    void OnDrawingChanged();
    void OnApplyDrawing(const DrawnCircuit& drawing, const DiagramLoops& loops);
    void OnExportNetlist(const DrawnCircuit& drawing, const DiagramLoops& loops);
    // The diagram window, if open, shows the document's drawing.
    void ShowDrawing();

    // What the graph page asks of the window.
    const CalculatedPage* Results() const override { return results_.Valid(); }
    int CircuitBranches() const override { return entry_.branches; }
    BranchChecks BranchesWithCurrents() const override;
    void PressFrequencyCommand() override;
    void PressReturn() override;
    void OpenPrintPreview() override;
    QString CircuitFile() const override { return filePath_; }

    // What the tuning window asks of the window.
    ElementEntry EnteredElements(int b) const override;
    bool StoreTunedElement(int b, ElementKind kind, const ValueEntry& value) override;

    // What the user entered, as a circuit file holds it: E and f are the
    // last numeric texts of their fields, whose values are in use; the
    // display units are always set.
    CircuitDocument entry_;
    PageResults results_;
    // The buttons last pressed for each matrix element, by its position,
    // while its caption and marks are still what they built.
    std::array<SumPresses, kElementPositions> matrixPresses_{};
    // The circuit on screen when the window last looked, to tell a change of
    // the circuit from a change of display units.
    CircuitDocument circuitOnScreen_;
    GraphState g_;
    CalcControls ui_;
    // The file the circuit was last opened from or saved to, and what it
    // holds; empty for a circuit never saved.
    QString filePath_;
    CircuitDocument savedEntry_;
    // The file's bytes when it was opened or saved, to tell whether another
    // window wrote it since.
    QByteArray diskBytes_;
    std::unique_ptr<RecoveryFile> recovery_;
    QTimer* recoveryTimer_ = nullptr;
    // The definitions the user chose to calculate as typed, though the
    // matrix disagrees with the currents: not asked again until they change.
    std::optional<CircuitDocument> acceptedAsTyped_;
    // The user agreed to end the program: the close box asks nothing more.
    bool ending_ = false;
    FileChooser openChooser_;
    FileChooser saveChooser_;
    QMenuBar* menuBar_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    // 日本語 and English, by Language.
    std::array<QAction*, 2> languageActions_{};
    // The guide, once 使い方 has opened it.
    QDialog* guide_ = nullptr;
    GraphPage* graph_ = nullptr;
    std::unique_ptr<GraphPageHost> pageHost_;
    std::unique_ptr<PreviewWindow> preview_;
    DiagramWindow* diagram_ = nullptr;
    SaveFileChooser exportChooser_;
    ExportPlace netlistPlace_;
    ElementTuningWindow* tuning_ = nullptr;
};
