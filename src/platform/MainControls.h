#pragma once
#include "platform/WindowModel.h"

namespace tw {

// Every control of the main window, by its design name, with its design-time caption
// and tooltip. Captions use "&" for access keys and "&&" for a shown ampersand.
#define TW_MAIN_CONTROLS(X)                                                              \
    X(Title, Label, QT_TRANSLATE_NOOP("MainWindow", "Oil Use Cost Calculator"), "")                                       \
    X(TankOilGroup, Group, QT_TRANSLATE_NOOP("MainWindow", "Tank && Oil Data"), "")                                       \
    X(ReadingsGroup, Group, QT_TRANSLATE_NOOP("MainWindow", "Tank Readings"), "")                                         \
    X(DeliveriesGroup, Group, QT_TRANSLATE_NOOP("MainWindow", "Deliveries"), "")                                          \
    X(ResultsGroup, Group, QT_TRANSLATE_NOOP("MainWindow", "Results"), "")                                                \
    X(TankACap, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Tank A Capacity (100 - 9999)"))                             \
    X(TankBCap, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Tank B Capacity (Empty or 100 - 9999)"))                    \
    X(TankAD, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Tank A Depth (Empty or 10 - 300)"))                           \
    X(TankBD, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Tank B Depth (Empty or 10 - 300)"))                           \
    X(TankAS, ComboBox, "", QT_TRANSLATE_NOOP("MainWindow", "Tank A Shape"))                                              \
    X(TankBS, ComboBox, "", QT_TRANSLATE_NOOP("MainWindow", "Tank B Shape"))                                              \
    X(TankOffA, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Tank A Offset ((Empty or 0.1 to 10.0)"))                    \
    X(TankOffB, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Tank B Offset ((Empty or 0.1 to 10.0)"))                    \
    X(TankAU, CheckBox, "", "")                                                          \
    X(TankBU, CheckBox, "", QT_TRANSLATE_NOOP("MainWindow", "Enter Tank B Reading in litres if ticked and cm if unticked")) \
    X(VRate, TextBox, "", "")                                                            \
    X(DVRate, TextBox, "", "")                                                           \
    X(CORate, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "CO2 Conversion Factor (0.50 to 10.00 )"))                     \
    X(Predict, TextBox, "",                                                              \
      QT_TRANSLATE_NOOP("MainWindow", "Prediction period in months  (0 ( No Prediction) or between 1 and 12)"))           \
    X(TUnitsAT, CheckBox, "", QT_TRANSLATE_NOOP("MainWindow", "Work in inches instead of centimetre if ticked"))          \
    X(TUnitsBT, CheckBox, "", QT_TRANSLATE_NOOP("MainWindow", "Work in gallons instead of litres if ticked"))             \
    X(TUnitsCT, CheckBox, "", QT_TRANSLATE_NOOP("MainWindow", "Work in pounds instead of kilograms if ticked"))           \
    X(AutoSave, CheckBox, "",                                                            \
      QT_TRANSLATE_NOOP("MainWindow", "Save result to log files when Calculate clicked ( provided no errors occur)"))     \
    X(OnTop, CheckBox, "", QT_TRANSLATE_NOOP("MainWindow", "Set Tankwise to run on top"))                                 \
    X(UpEnableT, CheckBox, "", QT_TRANSLATE_NOOP("MainWindow", "Enable automatic check for new version"))                 \
    X(NoHistory, CheckBox, "",                                                           \
      QT_TRANSLATE_NOOP("MainWindow", "If ticked history and delivery logs will not be updated when saving"))             \
    X(Date1, TextBox, "",                                                                \
      QT_TRANSLATE_NOOP("MainWindow", "Tank Reading 1 date (empty or a valid date more than 3 days earlier than Tank "   \
      "Reading 2)"))                                                                      \
    X(Date2, TextBox, "",                                                                \
      QT_TRANSLATE_NOOP("MainWindow", "Tank Reading 2 date (empty or a valid date more than 3 days later than Tank "     \
      "Reading 1)"))                                                                      \
    X(TARead1, TextBox, "", "")                                                          \
    X(TARead2, TextBox, "", "")                                                          \
    X(TBRead1, TextBox, "", "")                                                          \
    X(TBRead2, TextBox, "", "")                                                          \
    X(CHeat1, CheckBox, "", QT_TRANSLATE_NOOP("MainWindow", "Central Heating on if ticked"))                              \
    X(CHeat2, CheckBox, "", QT_TRANSLATE_NOOP("MainWindow", "Central Heating on if ticked"))                              \
    X(WHeat1, CheckBox, "", QT_TRANSLATE_NOOP("MainWindow", "Water heating on if ticked"))                                \
    X(WHeat2, CheckBox, "", QT_TRANSLATE_NOOP("MainWindow", "Water heating on if ticked"))                                \
    X(Date3, TextBox, "",                                                                \
      QT_TRANSLATE_NOOP("MainWindow", "Delivery 1 date (empty or a valid date between or the same as either Tank "       \
      "Reading 1 or Tank Reading 2)"))                                                    \
    X(Date4, TextBox, "",                                                                \
      QT_TRANSLATE_NOOP("MainWindow", "Delivery 2 date (empty or a valid date between or the same as either Tank "       \
      "Reading 1 or Tank Reading 2)"))                                                    \
    X(LAdd1, TextBox, "",                                                                \
      QT_TRANSLATE_NOOP("MainWindow", "Delivery 1 amount of oil delivered ( 0 or between 100 and Available Tank "        \
      "Capacity)"))                                                                       \
    X(LAdd2, TextBox, "",                                                                \
      QT_TRANSLATE_NOOP("MainWindow", "Delivery 2 amount of oil delivered ( 0 or between 100 and Available Tank "        \
      "Capacity)"))                                                                       \
    X(OCost1, TextBox, "", "")                                                           \
    X(OCost2, TextBox, "", "")                                                           \
    X(DCharge1, TextBox, "", "")                                                         \
    X(DCharge2, TextBox, "", "")                                                         \
    X(OCost0, TextBox, "", "")                                                           \
    X(OCost0L, Label, QT_TRANSLATE_NOOP("MainWindow", "Price o&f oil in tank:"), "")                                      \
    X(Notes, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Notes relating to calculation (max 75 characters)"))           \
    X(TDays, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Number of days"))                                              \
    X(TDaysP, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Number of days in prediction period"))                        \
    X(TankT, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Total number of litres used"))                                 \
    X(TankTP, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Total number of litres predicted"))                           \
    X(TCost, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Total Cost (less VAT)"))                                       \
    X(TCostP, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Predicted Total Cost (less VAT)"))                            \
    X(VCost, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Total Cost (inc VAT)"))                                        \
    X(VCostP, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Predicted Total Cost (inc VAT)"))                             \
    X(TVCost, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Total Cost (inc VAT)"))                                       \
    X(TVCostP, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Predicted Total Cost (inc VAT)"))                            \
    X(TCO2, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Amount of CO2 generated in Kg"))                                \
    X(TCO2P, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Predicted amount of CO2 generated in Kg"))                     \
    X(VDay, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Oil used per day"))                                             \
    X(DCost, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Cost per day"))                                                \
    X(DCO2, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Cost per day predicted"))                                       \
    X(OLeft, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Predicted date tank(s) empty"))                                \
    X(FillDate, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Predicted date tank(s) empty"))                             \
    X(OrderBy, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "Date to order oil by, so it comes before the reserve is reached")) \
    X(Forecast, TextBox, "", QT_TRANSLATE_NOOP("MainWindow", "The date the tanks run dry and the use fitted to the saved readings")) \
    X(Status, Label, "", "")                                                             \
    X(LtrsH, Label, QT_TRANSLATE_NOOP("MainWindow", "Gallons/Day:"), "")                                                  \
    X(CostH, Label, QT_TRANSLATE_NOOP("MainWindow", "Oil Cost per litre"), "")                                            \
    X(AddH, Label, QT_TRANSLATE_NOOP("MainWindow", "Litres Added"), "")                                                   \
    X(TotalLH, Label, QT_TRANSLATE_NOOP("MainWindow", "Total Litres"), "")                                                 \
    X(OLeftL, Label, QT_TRANSLATE_NOOP("MainWindow", "Gal"), "")                                                          \
    X(OLeftM, Label, QT_TRANSLATE_NOOP("MainWindow", "Left:"), "")                                                        \
    X(CORateH, Label, QT_TRANSLATE_NOOP("MainWindow", "Litres"), "")                                                      \
    X(LitreHA, Label, QT_TRANSLATE_NOOP("MainWindow", "Vol"), "")                                                         \
    X(DepthH, Label, QT_TRANSLATE_NOOP("MainWindow", "Depth"), "")                                                        \
    X(DepthAH, Label, "", "")                                                            \
    X(DepthBH, Label, "", "")                                                            \
    X(TankAH, Label, "", "")                                                             \
    X(TankBH, Label, "", "")                                                             \
    X(VATH, Label, QT_TRANSLATE_NOOP("MainWindow", "Oil VAT:"), "")                                                       \
    X(DVATH, Label, QT_TRANSLATE_NOOP("MainWindow", "Del VAT:"), "")                                                      \
    X(CO2Gen, Label, QT_TRANSLATE_NOOP("MainWindow", "CO2 Kg Generated"), "")                                             \
    X(DCO2L, Label, QT_TRANSLATE_NOOP("MainWindow", "CO2 Kg/Day:"), "")                                                   \
    X(THead, Label, QT_TRANSLATE_NOOP("MainWindow", "Cost (inc Del)"), "")                                                \
    X(TVHead, Label, QT_TRANSLATE_NOOP("MainWindow", "Cost (inc VAT)"), "")                                               \
    X(VCostL, Label, QT_TRANSLATE_NOOP("MainWindow", "VAT"), "")                                                          \
    X(OffsetMA, Label, QT_TRANSLATE_NOOP("MainWindow", "Offset:"), "")                                                    \
    X(AddDate, Label, QT_TRANSLATE_NOOP("MainWindow", "Date:"), "")                                                       \
    X(Calc, Button, QT_TRANSLATE_NOOP("MainWindow", "&Calculate"), QT_TRANSLATE_NOOP("MainWindow", "Calculate results"))                                   \
    X(Save, Button, QT_TRANSLATE_NOOP("MainWindow", "&Save"), QT_TRANSLATE_NOOP("MainWindow", "Save results  (each result can only be saved once)"))       \
    X(Clear, Button, QT_TRANSLATE_NOOP("MainWindow", "C&lear"), QT_TRANSLATE_NOOP("MainWindow", "Clear all tank readings, deliveries and results"))        \
    X(Get_Last, Button, QT_TRANSLATE_NOOP("MainWindow", "&Get Last"), QT_TRANSLATE_NOOP("MainWindow", "Retrieve last tank readings and deliveries saved")) \
    X(ViewL, Button, QT_TRANSLATE_NOOP("MainWindow", "&Results"), QT_TRANSLATE_NOOP("MainWindow", "View results log (it will not be updated while open)")) \
    X(History, Button, QT_TRANSLATE_NOOP("MainWindow", "His&tory"),                                                       \
      QT_TRANSLATE_NOOP("MainWindow", "View tank readings history (it will not be updated while open)"))                  \
    X(Delivery, Button, QT_TRANSLATE_NOOP("MainWindow", "Del&iveries"),                                                   \
      QT_TRANSLATE_NOOP("MainWindow", "View oil delivery history (it will not be updated while open)"))                   \
    X(Archive, Button, QT_TRANSLATE_NOOP("MainWindow", "&Archive"), QT_TRANSLATE_NOOP("MainWindow", "Archive Tankwise results log file and create new one")) \
    X(Save_Defaults, Button, QT_TRANSLATE_NOOP("MainWindow", "Sa&ve Data"), QT_TRANSLATE_NOOP("MainWindow", "Save Tank & Oil Data"))                       \
    X(Reset_Defaults, Button, QT_TRANSLATE_NOOP("MainWindow", "Reset &Data"), QT_TRANSLATE_NOOP("MainWindow", "Reset Tank & Oil Data"))                    \
    X(Update, Button, QT_TRANSLATE_NOOP("MainWindow", "&Update"),                                                         \
      QT_TRANSLATE_NOOP("MainWindow", "Check the Hollyoak web site for the latest version of Tankwise"))                  \
    X(Help1, Button, QT_TRANSLATE_NOOP("MainWindow", "&Help"), QT_TRANSLATE_NOOP("MainWindow", "Tankwise help"))                                           \
    X(About, Button, QT_TRANSLATE_NOOP("MainWindow", "A&bout"), QT_TRANSLATE_NOOP("MainWindow", "About Tankwise"))                                         \
    X(Exit, Button, QT_TRANSLATE_NOOP("MainWindow", "&Exit"), QT_TRANSLATE_NOOP("MainWindow", "Close Tankwise"))                                           \
    X(Logo, Picture, "", QT_TRANSLATE_NOOP("MainWindow", "Visit the Tankwise web site"))

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
