#version 120
// Decoration lit by the ambient colour; it has no shadow map, so "shadowTexture" goes unused.
uniform sampler2D baseTexture; // texture unit 0
uniform vec4 mColor;

varying vec2 texCoord;

void main()
{
    vec4 texel = texture2D(baseTexture, texCoord);
    if (texel.a == 0.0)
        discard;
    gl_FragColor = vec4(texel.rgb * mColor.rgb, texel.a * mColor.a);
}
