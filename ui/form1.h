#pragma once
// Form1, the main window: the calculation page with circuit entry and
// results, and the graph page. It owns the circuit data and the graph state
// for the whole run. Each control array is a fixed-size array of widget
// pointers; a handler takes the index of the element that raised the event.

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "calc/circuit.h"
#include "element_entry.h"
#include "graph/graph_host.h"
#include "graph/graph_state.h"

class CircuitPicture;
class EntryField;
class GraphPage;
class GraphPageHost;
class PreviewWindow;
class QGroupBox;
class QLabel;
class QPushButton;
class Selector;
class TabControl;

// The controls of the calculation page; element 0 of Combo6 and Label13 is
// not used.
struct CalcControls {
    TabControl* SSTab1 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame13 = nullptr;
    CircuitPicture* Image1 = nullptr;
    std::array<QLabel*, 4> Label1{};
    std::array<Selector*, 2> Combo3{};
    std::array<EntryField*, 2> Text1{};
    std::array<Selector*, 2> Combo1{};
    std::array<QPushButton*, 4> Command1{};
    TabControl* SSTab3 = nullptr;
    std::array<QLabel*, 3> Label5{};
    std::array<QPushButton*, 15> Command2{};
    std::array<QLabel*, 30> Label3{};
    std::array<QLabel*, 15> Label4{};
    std::array<Selector*, 15> Combo2{};
    QLabel* Label6 = nullptr;
    std::array<QPushButton*, 25> Command3{};
    TabControl* SSTab2 = nullptr;
    std::array<QGroupBox*, 3> Frame1{};
    std::array<QPushButton*, 15> Command4{};
    std::array<QLabel*, 15> Label7{};
    std::array<QLabel*, 15> Label8{};
    std::array<QLabel*, 15> Label9{};
    std::array<QLabel*, 15> Label10{};
    std::array<QLabel*, 15> Label11{};
    std::array<Selector*, 15> Combo4{};
    std::array<QLabel*, 4> Label12{};
    Selector* Combo5 = nullptr;
    std::array<Selector*, 3> Combo6{};
    std::array<QLabel*, 4> Label13{};
};

class Form1 : public QWidget, private GraphHost {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const CalcControls& Controls() const { return ui_; }
    const Circuit& circuit() const { return c_; }
    const GraphState& graphState() const { return g_; }
    // The graph page, tab 1.
    GraphPage& Graph() { return *graph_; }
    // The print preview, once "グラフ印刷" has opened it.
    PreviewWindow* Preview() { return preview_.get(); }

    // "Z11" … "Z55", the caption of matrix button i when it holds no definition.
    static QString DefaultMatrixCaption(int i);

    // Label3 indices of branch b's real and imaginary part.
    static int RealLabel(int b);
    static int ImagLabel(int b);
    // Empties both impedance labels of branch b.
    void ClearBranchImpedance(int b);

    // Circuit size and initialisation.
    void InitCircuit();
    void SetMatrixButtons(int hide);
    void HideBranchRows();
    void HideCurrentRows();
    void Combo3Click(int i);
    void SSTab1GotFocus();
    void RetCmdClick();

    // Entry fields and unit selectors.
    void Text1Change(int i);
    void Text1Enter(int i);
    void Combo1Click(int i);
    void Combo2Click(int i);
    void Combo4Click(int i);
    void Combo5Click();
    void Combo6Click(int i);
    void ClearFreqResults();

    // The main commands: 0 計算実行, 1 周波数特性, 2 クリア, 3 終了.
    void Command1Click(int i);

    // The definition commands: element, matrix element, branch current.
    void Command2Click(int i);
    void Command3Click(int i);
    void Command4Click(int i);

signals:
    // "終了": the program is to end at once.
    void endRequested();

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

    // The widgets of the branch row and the current row of element i.
    std::array<QWidget*, 5> BranchRow(int i) const;
    std::array<QWidget*, 7> CurrentRow(int i) const;

    // Start-up.
    void Load();
    // Whether the circuit holds anything entered that the circuit
    // initialisation would discard: element values, matrix and branch-current
    // definitions, E and f with their units.
    bool HoldsEntry() const;
    // True when nothing would be lost, or the user agrees to lose it.
    bool MayDiscardEntries();

    // Commands.
    void Calculate();
    void ShowFrequencyCharacteristics();
    void ShowRunTimeError(const QString& description);
    // A calculation needs the value of an emptied entry field: the field
    // shows the value in use again.
    void ShowUsedValue(int i);
    bool HasCapacitor() const;
    // The results that a new E, a new definition or a new frequency make stale.
    void ClearEmfResults();
    void ClearDefinitionResults();
    // Runs a redisplay; an arithmetic failure in it is shown as a message.
    void Guarded(const std::function<void()>& display);
    void ShowBranchImpedance(int b);
    // Branch b takes the values of the entry, or on any failure keeps all
    // it had; the failure is shown as a message.
    void StoreElement(int b, const ElementEntry& entry);
    void SetText(QLabel* label, const std::string& text);

    // What the graph page asks of the window.
    bool FrequencyCommandEnabled() const override;
    void PressFrequencyCommand() override;
    void PressReturn() override;
    void OpenPrintPreview() override;

    Circuit c_;
    GraphState g_;
    CalcControls ui_;
    // What was entered for branch b, at b − 1.
    std::array<ElementEntry, Circuit::MaxBranches> elementEntries_{};
    // The last numeric text of each entry field, whose value is in use.
    std::array<QString, 2> usedText_;
    GraphPage* graph_ = nullptr;
    std::unique_ptr<GraphPageHost> pageHost_;
    std::unique_ptr<PreviewWindow> preview_;
};
