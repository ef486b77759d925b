"""Picture generator of the project: a small raster canvas and writers for BMP, ICO, GIF and
JPEG, plus the picture sets the project ships (see generate.py)."""
