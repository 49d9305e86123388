// The plot window as the program entry connects it: it follows "Compute",
// and the results viewer's "View" menu opens it once there is a comparison.
#include <QAction>
#include <QRadioButton>

#include "Picture_printer.h"
#include "Plot_window.h"
#include "Worksheet_fixture.h"

namespace {

class Null_picture_printer : public Picture_printer {
public:
    int Jobs = 0;
    void Print(const Plot_subject&) override { ++Jobs; }
};

class Plot_of_compute : public Worksheet_fixture {
protected:
    Null_picture_printer picture_printer;
    std::unique_ptr<TfrmPlot> plot;

    // Both windows and the plot window, connected as the program entry does.
    void Start_with_plot()
    {
        Start();
        plot = std::make_unique<TfrmPlot>(platform, picture_printer, decimal_separator);
        worksheet->Set_comparison_listener(plot.get());
        QObject::connect(plot.get(), &TfrmPlot::Comparison_available, results.get(), &TfrmTemplateResults::Enable_plot);
        QObject::connect(results.get(), &TfrmTemplateResults::Plot_requested, plot.get(), &TfrmPlot::Show_window);
    }

    QAction* Plot_entry() const { return results->findChild<QAction*>("mnuPlot"); }
};

TEST_F(Plot_of_compute, EntryDisabledUntilTheFirstCompute)
{
    Start_with_plot();
    ASSERT_NE(Plot_entry(), nullptr);
    EXPECT_FALSE(Plot_entry()->isEnabled());
    Compute("10", "20", "", "30");  // refused: no comparison
    EXPECT_FALSE(Plot_entry()->isEnabled());
    EXPECT_FALSE(plot->Subject().has_value());
}

TEST_F(Plot_of_compute, ComputeReachesThePlotAndTheEntryOpensIt)
{
    Start_with_plot();
    Find<QRadioButton>(*worksheet, "RadioGroup1_1")->setChecked(true);
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(plot->Subject().has_value());
    EXPECT_EQ(plot->Subject()->Request.Limits_kind, Limits::Lower);
    EXPECT_EQ(plot->Subject()->Request.Case_A, 50);
    EXPECT_NEAR(static_cast<double>(plot->Subject()->Result.P_one_tailed), 0.086739, 5e-7);
    EXPECT_TRUE(Plot_entry()->isEnabled());
    EXPECT_FALSE(plot->isVisible());

    Plot_entry()->trigger();
    EXPECT_TRUE(plot->isVisible());
    EXPECT_NE(plot->accessibleDescription().indexOf("1.032"), -1) << plot->accessibleDescription().toStdString();
}

TEST_F(Plot_of_compute, TheLatestComputeIsShown)
{
    Start_with_plot();
    Compute("10", "20", "50", "30");
    Click(*results, "cmdReturn");
    Field("txtInput3")->clear();
    Field("txtInput4")->clear();
    Compute("", "", "30", "50");
    ASSERT_TRUE(plot->Subject().has_value());
    EXPECT_EQ(plot->Subject()->Request.Case_A, 30);
    EXPECT_NE(plot->accessibleDescription().indexOf("-20.000"), -1);
}

}  // namespace
