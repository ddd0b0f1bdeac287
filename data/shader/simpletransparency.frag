#version 120
// Textured and tinted by the material's own colour, alpha included (effects, overlays).
uniform sampler2D baseTexture; // texture unit 0
uniform vec4 mColor;

varying vec2 texCoord;

void main()
{
    gl_FragColor = texture2D(baseTexture, texCoord) * mColor;
}
