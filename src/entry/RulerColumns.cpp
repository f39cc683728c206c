#include "RulerColumns.h"

namespace selen {

const std::vector<RulerColumn>& rulerColumns()
{
    static const std::vector<RulerColumn> columns{
        {1, 18, "   Y M D H M S.sss  ", ""},
        {19, 7, "Catalog", "Star Catalog"},
        {26, 1, "W D S", "WDS double star component"},
        {27, 1, "P H E", "Phenomena"},
        {28, 1, "L I M", "Lunar limb"},
        {29, 1, "G R Z", "Graze flag"},
        {30, 4, "PE", "Personal equation"},
        {34, 1, "A P P", "Application of personal equation"},
        {35, 1, "T R 1", "Method of timing and recording 1 "},
        {36, 1, "T R 2", "Method of timing and recording"},
        {37, 1, "T I M", "Time source"},
        {38, 5, "Accur", "Accuracy of time"},
        {43, 1, "C E R", "Certainly"},
        {44, 3, "S/N", "Signal to noise ratio"},
        {47, 1, "D S A", "Double star astrometry"},
        {48, 5, "Durat", "Duration of non instantaneous event"},
        {53, 1, "L E V", "Light level used to define event"},
        {54, 1, "S T B", "Sky stability"},
        {55, 1, "T P C", "Sky transparency"},
        {56, 1, "R M K", "Remarkable circumstances"},
        {57, 3, "TMP", "Air temperature"},
        {60, 1, "S I T", "Site"},
        {61, 1, "O B S", "Observer"},
    };
    return columns;
}

}  // namespace selen
