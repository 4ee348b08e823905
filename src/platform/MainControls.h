#pragma once
#include "platform/WindowModel.h"

namespace tw {

// Every control of the main window, by its design name, with its design-time caption
// and tooltip. Captions use "&" for access keys and "&&" for a shown ampersand.
#define TW_MAIN_CONTROLS(X)                                                              \
    X(Title, Label, "Oil Use Cost Calculator", "")                                       \
    X(TankOilGroup, Group, "Tank && Oil Data", "")                                       \
    X(ReadingsGroup, Group, "Tank Readings", "")                                         \
    X(DeliveriesGroup, Group, "Deliveries", "")                                          \
    X(ResultsGroup, Group, "Results", "")                                                \
    X(TankACap, TextBox, "", "Tank A Capacity (100 - 9999)")                             \
    X(TankBCap, TextBox, "", "Tank B Capacity (Empty or 100 - 9999)")                    \
    X(TankAD, TextBox, "", "Tank A Depth (Empty or 10 - 300)")                           \
    X(TankBD, TextBox, "", "Tank B Depth (Empty or 10 - 300)")                           \
    X(TankAS, ComboBox, "", "Tank A Shape")                                              \
    X(TankBS, ComboBox, "", "Tank B Shape")                                              \
    X(TankOffA, TextBox, "", "Tank A Offset ((Empty or 0.1 to 10.0)")                    \
    X(TankOffB, TextBox, "", "Tank B Offset ((Empty or 0.1 to 10.0)")                    \
    X(TankAU, CheckBox, "", "")                                                          \
    X(TankBU, CheckBox, "", "Enter Tank B Reading in litres if ticked and cm if unticked") \
    X(VRate, TextBox, "", "")                                                            \
    X(DVRate, TextBox, "", "")                                                           \
    X(CORate, TextBox, "", "CO2 Conversion Factor (0.50 to 10.00 )")                     \
    X(Predict, TextBox, "",                                                              \
      "Prediction period in months  (0 ( No Prediction) or between 1 and 12)")           \
    X(TUnitsAT, CheckBox, "", "Work in inches instead of centimetre if ticked")          \
    X(TUnitsBT, CheckBox, "", "Work in gallons instead of litres if ticked")             \
    X(TUnitsCT, CheckBox, "", "Work in pounds instead of kilograms if ticked")           \
    X(AutoSave, CheckBox, "",                                                            \
      "Save result to log files when Calculate clicked ( provided no errors occur)")     \
    X(OnTop, CheckBox, "", "Set Tankwise to run on top")                                 \
    X(UpEnableT, CheckBox, "", "Enable automatic check for new version")                 \
    X(NoHistory, CheckBox, "",                                                           \
      "If ticked history and delivery logs will not be updated when saving")             \
    X(Date1, TextBox, "",                                                                \
      "Tank Reading 1 date (empty or a valid date more than 3 days earlier than Tank "   \
      "Reading 2)")                                                                      \
    X(Date2, TextBox, "",                                                                \
      "Tank Reading 2 date (empty or a valid date more than 3 days later than Tank "     \
      "Reading 1)")                                                                      \
    X(TARead1, TextBox, "", "")                                                          \
    X(TARead2, TextBox, "", "")                                                          \
    X(TBRead1, TextBox, "", "")                                                          \
    X(TBRead2, TextBox, "", "")                                                          \
    X(CHeat1, CheckBox, "", "Central Heating on if ticked")                              \
    X(CHeat2, CheckBox, "", "Central Heating on if ticked")                              \
    X(WHeat1, CheckBox, "", "Water heating on if ticked")                                \
    X(WHeat2, CheckBox, "", "Water heating on if ticked")                                \
    X(Date3, TextBox, "",                                                                \
      "Delivery 1 date (empty or a valid date between or the same as either Tank "       \
      "Reading 1 or Tank Reading 2)")                                                    \
    X(Date4, TextBox, "",                                                                \
      "Delivery 2 date (empty or a valid date between or the same as either Tank "       \
      "Reading 1 or Tank Reading 2)")                                                    \
    X(LAdd1, TextBox, "",                                                                \
      "Delivery 1 amount of oil delivered ( 0 or between 100 and Available Tank "        \
      "Capacity)")                                                                       \
    X(LAdd2, TextBox, "",                                                                \
      "Delivery 2 amount of oil delivered ( 0 or between 100 and Available Tank "        \
      "Capacity)")                                                                       \
    X(OCost1, TextBox, "", "")                                                           \
    X(OCost2, TextBox, "", "")                                                           \
    X(DCharge1, TextBox, "", "")                                                         \
    X(DCharge2, TextBox, "", "")                                                         \
    X(OCost0, TextBox, "", "")                                                           \
    X(OCost0L, Label, "Price o&f oil in tank:", "")                                      \
    X(Notes, TextBox, "", "Notes relating to calculation (max 75 characters)")           \
    X(TDays, TextBox, "", "Number of days")                                              \
    X(TDaysP, TextBox, "", "Number of days in prediction period")                        \
    X(TankT, TextBox, "", "Total number of litres used")                                 \
    X(TankTP, TextBox, "", "Total number of litres predicted")                           \
    X(TCost, TextBox, "", "Total Cost (less VAT)")                                       \
    X(TCostP, TextBox, "", "Predicted Total Cost (less VAT)")                            \
    X(VCost, TextBox, "", "Total Cost (inc VAT)")                                        \
    X(VCostP, TextBox, "", "Predicted Total Cost (inc VAT)")                             \
    X(TVCost, TextBox, "", "Total Cost (inc VAT)")                                       \
    X(TVCostP, TextBox, "", "Predicted Total Cost (inc VAT)")                            \
    X(TCO2, TextBox, "", "Amount of CO2 generated in Kg")                                \
    X(TCO2P, TextBox, "", "Predicted amount of CO2 generated in Kg")                     \
    X(VDay, TextBox, "", "Oil used per day")                                             \
    X(DCost, TextBox, "", "Cost per day")                                                \
    X(DCO2, TextBox, "", "Cost per day predicted")                                       \
    X(OLeft, TextBox, "", "Predicted date tank(s) empty")                                \
    X(FillDate, TextBox, "", "Predicted date tank(s) empty")                             \
    X(OrderBy, TextBox, "", "Date to order oil by, so it comes before the reserve is reached") \
    X(Forecast, TextBox, "", "The date the tanks run dry and the use fitted to the saved readings") \
    X(Status, Label, "", "")                                                             \
    X(LtrsH, Label, "Gallons/Day:", "")                                                  \
    X(CostH, Label, "Oil Cost per litre", "")                                            \
    X(AddH, Label, "Litres Added", "")                                                   \
    X(TotalLH, Label, "Total Litres", "")                                                 \
    X(OLeftL, Label, "Gal", "")                                                          \
    X(OLeftM, Label, "Left:", "")                                                        \
    X(CORateH, Label, "Litres", "")                                                      \
    X(LitreHA, Label, "Vol", "")                                                         \
    X(DepthH, Label, "Depth", "")                                                        \
    X(DepthAH, Label, "", "")                                                            \
    X(DepthBH, Label, "", "")                                                            \
    X(TankAH, Label, "", "")                                                             \
    X(TankBH, Label, "", "")                                                             \
    X(VATH, Label, "Oil VAT:", "")                                                       \
    X(DVATH, Label, "Del VAT:", "")                                                      \
    X(CO2Gen, Label, "CO2 Kg Generated", "")                                             \
    X(DCO2L, Label, "CO2 Kg/Day:", "")                                                   \
    X(THead, Label, "Cost (inc Del)", "")                                                \
    X(TVHead, Label, "Cost (inc VAT)", "")                                               \
    X(VCostL, Label, "VAT", "")                                                          \
    X(OffsetMA, Label, "Offset:", "")                                                    \
    X(AddDate, Label, "Date:", "")                                                       \
    X(Calc, Button, "&Calculate", "Calculate results")                                   \
    X(Save, Button, "&Save", "Save results  (each result can only be saved once)")       \
    X(Clear, Button, "C&lear", "Clear all tank readings, deliveries and results")        \
    X(Get_Last, Button, "&Get Last", "Retrieve last tank readings and deliveries saved") \
    X(ViewL, Button, "&Results", "View results log (it will not be updated while open)") \
    X(History, Button, "His&tory",                                                       \
      "View tank readings history (it will not be updated while open)")                  \
    X(Delivery, Button, "Del&iveries",                                                   \
      "View oil delivery history (it will not be updated while open)")                   \
    X(Archive, Button, "&Archive", "Archive Tankwise results log file and create new one") \
    X(Save_Defaults, Button, "Sa&ve Data", "Save Tank & Oil Data")                       \
    X(Reset_Defaults, Button, "Reset &Data", "Reset Tank & Oil Data")                    \
    X(Update, Button, "&Update",                                                         \
      "Check the Hollyoak web site for the latest version of Tankwise")                  \
    X(Help1, Button, "&Help", "Tankwise help")                                           \
    X(About, Button, "A&bout", "About Tankwise")                                         \
    X(Exit, Button, "&Exit", "Close Tankwise")                                           \
    X(Logo, Picture, "", "Visit the Tankwise web site")

enum class Ctl {
#define TW_ENUM(name, kind, text, tip) name,
    TW_MAIN_CONTROLS(TW_ENUM)
#undef TW_ENUM
};

class MainModel : public Window<Ctl> {
public:
    MainModel();
};

// A control's tooltip as the window is loaded, for a field that puts it back.
QString DesignTooltip(Ctl control);

// The three shape names, in list order; a shape's position is its number.
QStringList TankShapeNames();

}  // namespace tw
