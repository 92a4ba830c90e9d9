#include "model/string_table.h"

const char* StringTableText(int id) {
    switch (id) {
    case IDS_OUT_OF_RANGE:
        return "Out of range, please input again.";
    case IDS_ERROR_DATA_FORMAT:
        return "Error Data Format, please input again.";
    case IDS_COMMUNICATION_ERROR:
        return "Communication Error, Please check all the connections and the radio power";
    case IDS_DATA_WILL_BE_CLEARED:
        return "All data will be Cleared!";
    case IDS_COULD_NOT_OPEN_PORT:
        return "Could not Open the Port, Please check whether the Port are occupied or the device "
               "are ok";
    case IDS_PROGRAM_INTERRUPT:
        return "Program Interrupt, Please reset the radio and try again";
    case IDS_ERROR_STEP_VALUE:
        return "Error data Value, please input according the step value(6.25K/5k).";
    case IDS_CAUTION:
        return "Caution";
    case IDS_RX_FREQUENCY_FIRST:
        return "Please input the Rx Frequency first.";
    default:
        return "";
    }
}
