#include "forms/res/program_resources.h"

const res::Resources& ProgramResources()
{
    static const res::Resources resources = res::Resources::Load(QStringLiteral(":/forms/res"));
    return resources;
}
