// State fields and object properties by name, for the script host and tests.

#include "window/inspect.h"

#include "window/calculator.h"

namespace sorba {

namespace {

std::optional<PropertyValue> stateField(const Calculator &calc, std::string_view name)
{
    const KeypadState &state = calc.state;
    if (name == "accumulator")
        return state.accumulator;
    if (name == "secondOperand")
        return state.secondOperand;
    if (name == "decimalEntry")
        return state.decimalEntry;
    if (name == "operandCount")
        return double(state.operandCount);
    if (name == "entryState")
        return std::string(entryStateText(state.entryState));
    if (name == "pendingOperator")
        return std::string(pendingOperatorText(state.pendingOperator));
    if (name == "suppressWarnings")
        return state.suppressWarnings;
    if (name == "memoryValue")
        return state.memoryValue;
    if (name == "memoryOperand")
        return state.memoryOperand;
    if (name == "memoryIndicator")
        return calc.memoryIndicator;
    if (name == "eraBoundaryMark")
        return state.eraBoundaryMark;
    if (name == "uiLanguage")
        return double(state.uiLanguage);
    if (name == "unitPanelShown")
        return double(state.unitPanelShown);
    if (name == "tapeRows")
        return std::to_string(calc.tape.size());
    return std::nullopt;
}

} // namespace

std::optional<PropertyValue> inspect(const Calculator &calc, std::string_view path)
{
    if (auto field = stateField(calc, path))
        return field;
    // The property follows the last "." ("AAA(1).checked").
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    const ModelObject *object = calc.form.find(path.substr(0, dot));
    if (!object)
        return std::nullopt;
    return object->property(path.substr(dot + 1));
}

} // namespace sorba
