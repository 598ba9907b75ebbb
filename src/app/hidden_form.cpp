#include "app/hidden_form.h"
