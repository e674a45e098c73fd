#pragma once
// The toolkit-free model of the main window: every control's state, the
// working texts the tabs share, the log, and the focus the handlers ask for.
// Texts are Windows-1252, as the engines read them; front ends convert.
#include <string>
#include <string_view>
#include <vector>

#include "Evaluate.h"
#include "ExpressionText.h"

enum class ControlKind { Label, Input, Output, SpinEdit, RadioButton, Memo };

struct Control {
    std::string text;       // field text, or caption of a label / radio button
    bool enabled = true;
    int value = 0;          // spin edits
    int minimum = 0;
    int maximum = 0;
    bool checked = false;   // radio buttons
};

enum Page {
    IntegrationTabSheet, DifferentiationTabSheet, PolynomierTabSheet, ExtremumTabSheet,
    TrancendenteLigningerTabSheet, FaktorReduktionTabSheet, LogTabSheet, FunktionTabSheet,
    RegressionTabSheet, PageCount
};

struct IntegrationTab {
    Control IntegrandLabel, fxEdit, StamfunktionLabel, StamfunktionEdit, NedreGraenseLabel,
        NedreGraenseEdit, OevreGraenseLabel, OevreGraenseEdit, BestemtIntegralLabel, BestemtIntegralEdit;
};
struct DifferentiationTab {
    Control fx_Label, fx_Edit, df_dx_Label, df_dx_Edit, xLabel, x_Edit, f_value_Label, f_value_Edit;
    // f'(x0) and the tangent at x0
    Control df_x0_Label, df_x0_Edit, TangentLabel, TangentEdit;
};
struct PolynomierTab {
    Control px_Label, px_Edit, RoedderLabel, RoedderEdit, pxfak_Label, pxfak_Edit, DividendLabel,
        DividendEdit, DivisorLabel, DivisorEdit, KvotientLabel, KvotientEdit, RestLabel, RestEdit,
        WarningLabel, PolBroekLabel, PolBroekEdit, ReduceretPolBroekLabel, ReduceretPolBroekEdit;
};
struct ExtremumTab {
    Control AntalVariableLabel, AntalVariableSpinEdit, fxyzLabel, fxyzEdit, xyz0Label, xyz0Edit,
        Praecision_Label, Praecision_Edit, MinKoorLabel, xyzMinEdit, fminLabel, fminEdit;
};
struct TrancendenteLigningerTab {
    Control Label1, AntalLigningerSpinEdit, Label13, Label6, Label14, Label15, Label16, Ligning1Edit,
        Ligning2Edit, Ligning3Edit, Ligning4Edit, Ligning5Edit, Label11, xy0Label, xy0Edit, xyzLabel,
        LoesningEdit, Label12, MinimumForKvadratsumRadioButton, NewtonRapsonRadioButton,
        PraecisionLabel, PraecisionEdit;
};
struct FaktorReduktionTab {
    Control FaktorReduktionLabel, fxLabel, Factor_fxEdit, ReduceretFxLabel, ReduceretFxEdit;
};
struct FunktionTab {
    Control Label18, f_x_Label, f_x_Edit, x0_Label, x0Edit, f_x0_Label, f_x0_Edit;
};
struct RegressionTab {
    Control VaelgRegressionsMetodeLabel, LineaerRegressionRadioButton, PolynomiaerRegressionRadioButton,
        PolGradLabel, PolGradSpinEdit, AntalRegressionsPunkterLabel, AntalRegressionsPunkterSpinEdit,
        PunkterLabel, RegressionsPunkterEdit, RegressionsLiniensLigningLabel,
        RegressionsLiniensLigningEdit, RegressionsPolynomietsligningLabel,
        RegressionsPolynomietsligningEdit;
    // y = b*a^x and y = b*x^a, and R^2 of every method
    Control EksponentielRegressionRadioButton, PotensRegressionRadioButton, RegressionsligningLabel,
        RegressionsligningEdit, ForklaringsgradLabel, ForklaringsgradEdit;
};

// What the window keeps beside its controls. Every computation reads its
// inputs from the fields as they stand, so nothing here decides a result.
struct WindowState {
    int SimpsonPanels = 0;  // panels of the last numeric integral (0: none yet)
    std::vector<Control*> EquationFields;  // Ligning1Edit..Ligning5Edit, filled at activation
};

struct Form {
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    IntegrationTab Integration;
    DifferentiationTab Differentiation;
    PolynomierTab Polynomier;
    ExtremumTab Extremum;
    TrancendenteLigningerTab TrancendenteLigninger;
    FaktorReduktionTab FaktorReduktion;
    FunktionTab Funktion;
    RegressionTab Regression;
    std::vector<std::string> LogMemo;  // lines of the log page
    WindowState State;

    Page ActivePage = IntegrationTabSheet;
    std::string FocusRequest;   // control to focus next ("" = none); the view applies and clears it
    bool Busy = false;          // a handler is running (guards against re-entry from modal boxes)
    int FaultCount = 0;         // handlers aborted by an arithmetic fault
    // Numbers in the output fields and the log shown with a decimal comma,
    // lists with ";" between their items (the "Decimalkomma" setting).
    bool DecimalComma = false;

    void SetFocus(std::string_view control) { FocusRequest = control; }
    Control* Find(std::string_view control);
};

// One row per control: the field table the views are built from.
struct ControlInfo {
    Page page;
    const char* name;
    ControlKind kind;
    const char* label;               // the label control captioning this field, or nullptr
    Control& (*get)(Form&);
};
extern const std::vector<ControlInfo> ControlTable;
const ControlInfo* FindControl(std::string_view name);
// The name the user sees for a control: its label's caption (or a radio
// button's own), without access-key marks and the closing "=" or ":";
// empty when it has none.
std::string FieldCaption(Form& form, std::string_view control);

struct PageInfo {
    const char* name;
    const char* caption;
};
extern const PageInfo Pages[PageCount];

// Events of one control: its exit handler and what Enter does (nullptr: nothing).
struct EventInfo {
    const char* control;
    void (*exit)(Form&);
    void (*enter)(Form&);
    // The user changed the control's value: a spin edit's value, or a click
    // on a radio button.
    void (*change)(Form&) = nullptr;
};
extern const std::vector<EventInfo> EventTable;
const EventInfo* FindEvents(std::string_view control);

// The user changed the text of an input field (before leaving it): the
// outputs computed from it are emptied at once, so that no output shows a
// result of a text no longer on screen.
void InputEdited(Form& form, std::string_view control);
// The output fields computed from an input control (empty list: none).
std::vector<const char*> DependentOutputs(std::string_view control);

// Runs one handler: ignores re-entry while another runs, and turns an
// arithmetic fault into an error box that abandons the handler.
// Returns false when the handler was aborted by a fault.
bool RunHandler(Form& form, void (*handler)(Form&));

// Engine texts as shown with the decimal comma: 3.6372 -> 3,6372, the items
// of a list of numbers separated by ";" ((1,2.1) -> (1;2,1)); a comma that is
// no list separator stays. Applied once to each text.
std::string WithDecimalComma(std::string_view text);
// Back to the engines' notation, for texts WithDecimalComma made.
std::string WithDecimalPoint(std::string_view shown);
// Turns the setting on or off; the output fields now showing follow it.
void SetDecimalComma(Form& form, bool on);

// The main window's activation steps (start-up).
void FormActivate(Form& form);

// The log page's AddLogLine for hosts that keep the log in the model.
void AppendLog(Form& form, std::string_view line);
