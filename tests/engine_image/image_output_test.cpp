#include "image_test_support.h"
int main() { return imagetest::finish("image_output_test"); }
