#version 120
// Decals laid onto the floor: tinted by the material colour, and faded out where the decal
// texture is dark so that only its drawing shows.
uniform sampler2D baseTexture; // texture unit 0
uniform vec4 mColor;

varying vec2 texCoord;

void main()
{
    vec4 texel = texture2D(baseTexture, texCoord) * mColor;
    float strength = max(max(texel.r, texel.g), texel.b);
    gl_FragColor = vec4(texel.rgb, texel.a * strength);
}
