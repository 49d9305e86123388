#include "Kept_control_data.h"

#include <exception>
#include <sstream>

#include "Control_data.h"
#include "Error_report.h"

std::string Kept_text(const std::string& sd, const std::string& n)
{
    return Control_data_text({sd, n, "", "", "", "", "", ""});
}

Restored_fields Restore_control_data(const std::string& kept)
{
    Restored_fields fields;
    std::istringstream in(kept);
    try {
        fields.SD = Restored_text(Read_control_number(in));
        fields.N = Restored_text(Read_control_number(in));
    } catch (const std::exception& error) {
        fields.Error = Error_report_text(error.what());
    }
    return fields;
}

int First_focused_slot(const std::string& sd)
{
    return sd.empty() ? 0 : Restored_slot_count;
}
